#pragma once

#include "model/latform.h"

#include <QList>
#include <QWidget>
#include <cstdint>
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
class QTreeWidget;
class QTreeWidgetItem;

namespace lexovita {

class TframeAuswahl;
class TVokabeldienst;
class TVokabelEntwurf;

// The pages of the vocabulary editor. Each turns its widgets' changes into
// setters of the draft and shows what the draft then holds; the draft's
// signals tell the pages what another page changed. Enter and Delete in
// their lists and fields go through each page's eventFilter.

namespace editorseiten {
QPushButton *Knopf(const QString &text, const char *name);
}

// "Vokabel": headword, word class, the note on a stored headword, and the
// lexicon's offer (filled by the editor).
class TSeiteVokabel : public QWidget {
    Q_OBJECT
  public:
    TSeiteVokabel(TVokabelEntwurf &entwurf, TVokabeldienst &dienst);
    void Fuellen();

    QLineEdit *edtVokabel;
    QLabel *lblVorhanden; // shown while the headword is stored already
    QLabel *lblLexikon;
    QListWidget *lstLexikon;
    QPushButton *btnLexikon;
    QComboBox *cmbWortart;

  signals:
    // The user changed the headword.
    void getippt();

  private:
    void VokabelGeaendert(const QString &text);
    void VorhandeneZeigen();

    TVokabelEntwurf &m_entwurf;
    TVokabeldienst &m_dienst;
    bool m_fuellt = false;
};

// "Bedeutungen": meanings in groups; a meaning dragged onto a group heading
// or another meaning moves there.
class TSeiteBedeutungen : public QWidget {
    Q_OBJECT
  public:
    explicit TSeiteBedeutungen(TVokabelEntwurf &entwurf);
    void Fuellen() { Aufbauen(QString()); }
    bool eventFilter(QObject *obj, QEvent *event) override;

    QLineEdit *edtBedeutung, *edtKommentar;
    QSpinBox *spnGruppe;
    QTreeWidget *tvwBedeutungen;
    QPushButton *btnBedeutungHinzufuegen, *btnBedeutungAktualisieren, *btnBedeutungEntfernen;

  private:
    void Aufbauen(const QString &auswahl);
    QString Gewaehlt() const;
    void Knoepfe();
    void Hinzufuegen();
    void Aktualisieren();
    void Entfernen();
    void Verschieben(const QTreeWidgetItem *ziel);

    TVokabelEntwurf &m_entwurf;
};

// "Attribute": the fields of the entry's word class and a preview of key forms.
class TSeiteAttribute : public QWidget {
    Q_OBJECT
  public:
    explicit TSeiteAttribute(TVokabelEntwurf &entwurf);
    void Zeigen();

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

  private:
    void StammUndVorschau();

    TVokabelEntwurf &m_entwurf;
    bool m_fuellt = false; // the page fills its fields: no edits by the user
};

// "Sonderformen": a category tree and a grid of its generated forms, each
// of which can be replaced by a special form of the entry.
class TSeiteSonderformen : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kZeilen = 10;
    explicit TSeiteSonderformen(TVokabelEntwurf &entwurf);
    void KategorienAufbauen();

    QTreeWidget *tvwKategorien;
    QLabel *lblSonderformen;
    QList<QCheckBox *> chkSonderform;
    QList<QLineEdit *> edtSonderform;
    QPushButton *btnAlleAuswaehlen, *btnAlleAbwaehlen;

  private:
    void Zeigen(int32_t selektor);
    void Haken(int zeile, bool an);
    void Text(int zeile, const QString &text);

    TVokabelEntwurf &m_entwurf;
    std::vector<TLatForm> m_zeilen; // generated forms the grid shows
};

// "Merkhilfen": words of other languages that help to remember the entry.
class TSeiteMerkhilfen : public QWidget {
    Q_OBJECT
  public:
    TSeiteMerkhilfen(TVokabelEntwurf &entwurf, const QString &vorlagenOrdner);
    void Fuellen();
    bool eventFilter(QObject *obj, QEvent *event) override;

    QLineEdit *edtMerkhilfe;
    QComboBox *cmbSprache;
    QTreeWidget *lvwMerkhilfen;
    QPushButton *btnMerkhilfeHinzufuegen, *btnMerkhilfeAktualisieren, *btnMerkhilfeEntfernen;
    QPushButton *btnDetailansicht, *btnListenansicht;

  private:
    QList<int> GewaehlteZeilen() const;
    void Knoepfe();
    void Hinzufuegen();
    void Aktualisieren();
    void Entfernen();

    TVokabelEntwurf &m_entwurf;
    QString m_vorlagen; // folder of the flag pictures
};

// "Verweise": other stored entries this one refers to, chosen while typing.
class TSeiteVerweise : public QWidget {
    Q_OBJECT
  public:
    TSeiteVerweise(TVokabelEntwurf &entwurf, TVokabeldienst &dienst, bool auswahlBehalten);
    void Fuellen();
    bool eventFilter(QObject *obj, QEvent *event) override;

    QLineEdit *edtVerweis;
    TframeAuswahl *frameVerweis;
    QListWidget *lstVerweise;
    QPushButton *btnVerweisHinzufuegen, *btnVerweisAktualisieren, *btnVerweisEntfernen;

  private:
    void Suchen(const QString &text);
    QString Gewaehlt() const;
    void Knoepfe();
    void Hinzufuegen();
    void Aktualisieren();
    void Entfernen();
    QStringList Markiert() const;

    TVokabelEntwurf &m_entwurf;
    TVokabeldienst &m_dienst;
    bool m_auswahlBehalten; // the chooser stays open after adding
};

} // namespace lexovita
