#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

class QAction;
class QLineEdit;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QMenu;

namespace lexovita {

class IRueckfrage;
class TConfig;
class TDatenmanager;

// Textbooks and their stored lessons: plain management, and the chooser of
// "Lektion speichern unter...", "Lektion öffnen..." and "Lektion anhängen".
class TfrmLehrbuchverwaltung : public QDialog {
    Q_OBJECT
public:
    enum Modus { Verwalten = 0, SpeichernUnter = 1, Oeffnen = 2, Anhaengen = 4 };

    struct Ergebnis {
        bool bestaetigt = false;
        QString name;           // trimmed
        int32_t lehrbuchId = 0; // 0 = none
        QString lehrbuch;       // its name
        int32_t lektionId = 0;  // 0 = a new stored lesson
    };

    TfrmLehrbuchverwaltung(TDatenmanager &daten, TConfig *config, IRueckfrage &rueckfrage, int modus,
                           const QString &vorschlag, QWidget *parent = nullptr);
    ~TfrmLehrbuchverwaltung() override;

    const Ergebnis &ErgebnisHolen() const { return m_ergebnis; }

    // Replaceable for tests: asks for the export file name ("" = cancelled).
    std::function<QString(const QString &vorschlag)> exportDateiWaehlen;

    void AnsichtAktualisieren();
    void LektionenZeigen();
    void OkKlick();
    void NeuesLehrbuch();
    void LehrbuchLoeschen();
    void LektionLoeschen();
    void LehrbuchExportieren();
    void LektionVerschieben(int32_t lektionId, int32_t lehrbuchId);

    // Widgets, named as the tests refer to them.
    QTreeWidget *lvwLehrbuecher;
    QTreeWidget *lvwLektionen;
    QLineEdit *edtName;
    QPushButton *btnOK;
    QPushButton *btnAbbrechen;
    QToolBar *tbVerwaltung;
    QAction *actNeueLektion, *actLektionOeffnen, *actLektionSpeichern, *actLektionLoeschen;
    QAction *actNeuesLehrbuch, *actLehrbuchLoeschen, *actIcon, *actListe, *actDetails;

signals:
    // "Neue Lektion" closes this window; the main window opens the lesson.
    void neueLektionGewuenscht();
    // A textbook was deleted: open copies of its lessons must be detached.
    void lehrbuchGeloescht(int32_t lehrbuchId);

protected:
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    void LehrbuchGewaehlt();
    void LektionGewaehlt();
    void Umbenannt(QTreeWidgetItem *item, int spalte);
    void AnsichtSetzen(int art);
    void LektionSpeichernWahl();
    void LektionOeffnenWahl();
    bool Frage(const QString &text);
    int32_t GewaehltesLehrbuch() const;

    TDatenmanager &m_daten;
    TConfig *m_config;
    IRueckfrage &m_rueckfrage;
    int m_modus;
    QString m_vorschlag;
    Ergebnis m_ergebnis;
    bool m_fuellt = false;
    QMenu *m_popupLehrbuch;
    QMenu *m_popupLektion;
};

} // namespace lexovita
