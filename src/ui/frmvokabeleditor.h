#pragma once

#include "app/vokabeldienst.h"
#include "model/latform.h"
#include "model/vokabel.h"

#include <QDialog>
#include <QList>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTreeWidgetItem;
class QTreeWidget;

namespace lexovita {

class TAnwendungskern;
class TFormenmanager;
class TframeAuswahl;

// The vocabulary editor: changes the entry it is given (the caller's copy)
// page by page and stores it through the vocabulary service on "OK".
class TfrmVokabelEditor : public QDialog {
    Q_OBJECT
  public:
    // The title's text up to its first "(" is kept; the headword follows it.
    TfrmVokabelEditor(QWidget *parent, TAnwendungskern &kern, TVokabel &eintrag, const QString &titel);
    ~TfrmVokabelEditor() override;

    // 2 once shown, 1 once the entry was stored.
    int Gespeichert() const { return m_gespeichert; }
    // Opens the editor modally; true when the entry was stored.
    static bool Bearbeiten(QWidget *parent, TAnwendungskern &kern, TVokabel &eintrag, const QString &titel);
    // The same without storing: "OK" only checks the input and leaves the
    // edited entry to the caller (a pasted list stores all lines at once).
    static bool Vorbereiten(QWidget *parent, TAnwendungskern &kern, TVokabel &eintrag, const QString &titel);

    void SeiteWechseln(int seite);

    // Widgets, named as the tests refer to them.
    QTabWidget *pgcSeiten;
    QPushButton *btnOK, *btnAbbrechen, *btnZurueck, *btnWeiter, *btnHilfe;
    // "Vokabel"
    QLineEdit *edtVokabel;
    QLabel *lblVorhanden; // shown while the headword is stored already
    // Lemmas of the lexicon that fit a new headword, to fill every page from.
    QLabel *lblLexikon;
    QListWidget *lstLexikon;
    QPushButton *btnLexikon;
    QComboBox *cmbWortart;
    // "Bedeutungen"
    QLineEdit *edtBedeutung, *edtKommentar;
    QSpinBox *spnGruppe;
    QTreeWidget *tvwBedeutungen;
    QPushButton *btnBedeutungHinzufuegen, *btnBedeutungAktualisieren, *btnBedeutungEntfernen;
    // "Attribute"
    QStackedWidget *stkAttribute;
    QLineEdit *edtVerb[3];
    QComboBox *cmbKonjugation;
    QCheckBox *chkDeponens, *chkSemideponens, *chkKeinPassiv;
    QLineEdit *edtGenitiv;
    QRadioButton *optSubstGenus[4];
    QComboBox *cmbDeklination;
    QCheckBox *chkSingularis, *chkPluralis;
    QLabel *lblStammSubstantiv;
    QLineEdit *edtAdjektiv[3];
    QLabel *lblStammAdjektiv, *lblDeklination;
    QLineEdit *edtKomparativ, *edtSuperlativ;
    QRadioButton *optProGenus[5];
    QLabel *lblVorschau;
    // "Sonderformen"
    QTreeWidget *tvwKategorien;
    QLabel *lblSonderformen;
    QList<QCheckBox *> chkSonderform;
    QList<QLineEdit *> edtSonderform;
    QPushButton *btnAlleAuswaehlen, *btnAlleAbwaehlen;
    // "Merkhilfen"
    QLineEdit *edtMerkhilfe;
    QComboBox *cmbSprache;
    QTreeWidget *lvwMerkhilfen;
    QPushButton *btnMerkhilfeHinzufuegen, *btnMerkhilfeAktualisieren, *btnMerkhilfeEntfernen;
    QPushButton *btnDetailansicht, *btnListenansicht;
    // "Verweise"
    QLineEdit *edtVerweis;
    QList<QLineEdit *> m_lateinFelder; // take lengths as typed
    TframeAuswahl *frameVerweis;
    QListWidget *lstVerweise;
    QPushButton *btnVerweisHinzufuegen, *btnVerweisAktualisieren, *btnVerweisEntfernen;

  protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

  private:
    QWidget *SeiteVokabel();
    QWidget *SeiteBedeutungen();
    QWidget *SeiteAttribute();
    QWidget *SeiteSonderformen();
    QWidget *SeiteMerkhilfen();
    QWidget *SeiteVerweise();
    void Fuellen();

    void VokabelGeaendert(const QString &text);
    void VorhandeneZeigen();
    void WortartGewaehlt(int index);
    void AttributeZeigen();
    void FormGeaendert();
    void FlagGeklickt(int32_t bit, bool an);
    void VorschauAktualisieren();
    void StammZeigen();

    void BedeutungenAufbauen(const QString &auswahl);
    void BedeutungKnoepfe();
    void BedeutungHinzufuegen();
    void BedeutungAktualisieren();
    void BedeutungEntfernen();
    // The selected meaning dropped onto `ziel` (a group heading or a meaning).
    void BedeutungVerschieben(const QTreeWidgetItem *ziel);

    void KategorienAufbauen();
    void SonderformenZeigen(int32_t selektor);
    void SonderformHaken(int zeile, bool an);
    void SonderformText(int zeile, const QString &text);
    TLatForm *Sonderform(int32_t formId);

    void MerkhilfeKnoepfe();
    void MerkhilfeHinzufuegen();
    void MerkhilfeAktualisieren();
    void MerkhilfenEntfernen();
    void MerkhilfenUebernehmen();

    void VerweisSuchen(const QString &text);
    QString GewaehlterVerweis() const;
    void VerweisKnoepfe();
    void VerweisHinzufuegen();
    void VerweisAktualisieren();
    void VerweiseEntfernen();
    void VerweiseUebernehmen();
    void LexikonZeigen();
    void AusLexikonFuellen();

    void Ok();

    TAnwendungskern &m_kern;
    TVokabeldienst m_dienst;
    TVokabel &m_eintrag;
    QString m_titelAnfang;
    int m_gespeichert = 2;
    bool m_speichern = true; // false: OK hands the entry back unstored
    bool m_fuellt = false;   // the window fills its fields: no edits by the user
    std::unique_ptr<TFormenmanager> m_formen;
    std::vector<TLatForm> m_zeilen; // generated forms the grid shows
};

} // namespace lexovita
