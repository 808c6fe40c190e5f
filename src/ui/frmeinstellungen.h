#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

class QCheckBox;
class QColor;
class QComboBox;
class QFont;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace lexovita {

class TAnwendungskern;
class TAuftragslaeufer;
class TConfig;
class TEinstellungsbearbeitung;
class TFormenHolenAuftrag;
class TFormenmanager;
class TLexikonImportAuftrag;
struct TLexikonQuellen;
enum class TAuftragsausgang;
enum class TZahlfeld : uint8_t;

// "Einstellungen": every option of the drills, the forms drills, the text
// editor and the analysis colours, edited on a working copy. The window
// only binds controls to it; what OK, Abbrechen and closing do lives in
// TEinstellungsbearbeitung.
class TfrmEinstellungen : public QDialog {
    Q_OBJECT
  public:
    // `text` is the open lesson text (TLektion::TextAlsString), the source
    // of "Formen holen"; the core must outlive the window.
    TfrmEinstellungen(TAnwendungskern &kern, QString text, QWidget *parent = nullptr);
    ~TfrmEinstellungen() override;

    TConfig &Kopie();
    bool Beschaeftigt() const { return m_auftrag != nullptr || m_lexikonAuftrag != nullptr; }
    // Shows the page "Lexikon" (the first start's offer leads there).
    void LexikonSeiteZeigen();
    // Where the lexicon is read from; the installed packages unless a test
    // gives its own files.
    void LexikonQuellenSetzen(const TLexikonQuellen &quellen);
    void LexikonImportieren();
    // What the font and colour dialogs hand back.
    void SchriftSetzen(const QFont &schrift);
    void FarbeSetzen(bool vordergrund, const QColor &farbe);

    QTreeWidget *tvwEinstellungen;
    QStackedWidget *stkSeiten;
    // Vokabeln lernen
    QRadioButton *optLatDeu, *optDeuLat;
    QSpinBox *spnBehalten, *spnNeueProTag;
    QCheckBox *chkAufzeichnen;
    // Schriftlich abfragen
    QTabWidget *tabSchriftlich;
    QCheckBox *chkStammformen;
    QComboBox *cmbKasus;
    QCheckBox *chkPraesens, *chkPerfekt, *chkPartizip, *chkCase, *chkSchnellkorrektur;
    QRadioButton *optVLSMischen, *optVLSReihenfolge;
    QCheckBox *chkVLSAnfang, *chkFalscheMehrfach;
    QSpinBox *edtFalscheAnzahl;
    // Mündlich abfragen
    QRadioButton *optVLMMischen, *optVLMReihenfolge;
    QCheckBox *optVLMStammformen;
    // Formen lernen, Formen auswählen
    QCheckBox *chkFLStammformen, *chkFLKonjDekl, *chkFLVokabel;
    QComboBox *cmbWortart;
    QTreeWidget *VTVFormen;
    QPushButton *btnText;
    QProgressBar *pgbFortschritt;
    // Text
    QCheckBox *chkUnsichtbareZeichen, *chkDragDrop, *chkUmbruch;
    QSpinBox *edtUmbruch, *edtAbstand;
    QLabel *pnlFont;
    QPushButton *btnFont;
    // Farben
    QListWidget *lstElemente;
    QPushButton *clrVg, *clrHg;
    QTextBrowser *txtVorschau;
    // Sonstiges
    QCheckBox *chkWBPraesens, *chkVokabelauswahl;
    QCheckBox *chkLaengen, *chkBetonung, *chkLaengenAbfragen;
    // Lexikon
    QLabel *lblLexikonQuellen, *lblLexikonStand, *lblLexikonMeldung;
    QPushButton *btnLexikonImportieren;
    QProgressBar *pgbLexikon;

    QPushButton *btnOK, *btnAbbrechen, *btnHilfe;

  public slots:
    void reject() override;

  private:
    QWidget *Seite(const QString &ueberschrift, QWidget *inhalt);
    QWidget *SeiteVokabeln();
    QWidget *SeiteSchriftlich();
    QWidget *SeiteMuendlich();
    QWidget *SeiteFormenLernen();
    QWidget *SeiteFormenAuswaehlen();
    QWidget *SeiteText();
    QWidget *SeiteFarben();
    QWidget *SeiteSonstiges();
    QWidget *SeiteLexikon();
    void LexikonAnzeigen();
    void LexikonImportiert(TAuftragsausgang ausgang, const QString &fehler);
    QSpinBox *Zahlfeld(TZahlfeld feld, const QString &name);
    void Binden();

    void SeiteGewaehlt();
    void Fuellen(int seite);
    void Freigeben();
    void FormenbaumAufbauen();
    void FormenSpeichern();
    void WortartGewaehlt();
    void FormenHolen();
    void FormenGeholt();
    void ElementGewaehlt();
    void VorschauZeichnen();
    void Ok();
    void Abbrechen();

    TAnwendungskern &m_kern;
    QString m_text;
    std::unique_ptr<TEinstellungsbearbeitung> m_bearbeitung;
    std::unique_ptr<TFormenmanager> m_formen;
    TAuftragslaeufer *m_laeufer;
    std::shared_ptr<TFormenHolenAuftrag> m_auftrag;
    std::unique_ptr<TLexikonQuellen> m_lexikonQuellen;
    TAuftragslaeufer *m_lexikonLaeufer;
    std::shared_ptr<TLexikonImportAuftrag> m_lexikonAuftrag;
    int32_t m_baumWortart;
    bool m_fuellen = false;
    bool m_erledigt = false;
};

} // namespace lexovita
