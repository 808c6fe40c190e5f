#pragma once

#include "app/vokabeldienst.h"
#include "app/vokabelentwurf.h"
#include "model/vokabel.h"

#include <QDialog>
#include <QList>

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
class QTreeWidget;

namespace lexovita {

class TAnwendungskern;
class TframeAuswahl;
class TSeiteAttribute;
class TSeiteBedeutungen;
class TSeiteMerkhilfen;
class TSeiteSonderformen;
class TSeiteVerweise;
class TSeiteVokabel;

// The vocabulary editor: the frame around six pages (editorseiten.h) that
// change the entry it is given (the caller's copy) through a draft
// (TVokabelEntwurf), which checks it on "OK"; the vocabulary service stores
// it then.
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

    // Widgets, named as the tests refer to them; those of the pages live
    // in the page classes.
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
    // Enter and Delete in the pages' fields and lists, and drops of meanings:
    // each page answers for its own widgets.
    bool eventFilter(QObject *obj, QEvent *event) override;

  private:
    void Fuellen();
    void LexikonZeigen();
    void AusLexikonFuellen();
    void Ok();

    TAnwendungskern &m_kern;
    TVokabeldienst m_dienst;
    TVokabelEntwurf m_entwurf;
    QString m_titelAnfang;
    int m_gespeichert = 2;
    bool m_speichern = true; // false: OK hands the entry back unstored
    TSeiteVokabel *m_seiteVokabel;
    TSeiteBedeutungen *m_seiteBedeutungen;
    TSeiteAttribute *m_seiteAttribute;
    TSeiteSonderformen *m_seiteSonderformen;
    TSeiteMerkhilfen *m_seiteMerkhilfen;
    TSeiteVerweise *m_seiteVerweise;
};

} // namespace lexovita
