// What the widget tests share: a main window on a fresh temporary database,
// a question object that answers without a dialog, and small helpers for
// reading lists and keeping pictures.
#pragma once

#include "app/anwendungskern.h"
#include "model/config.h"
#include "model/rueckfrage.h"
#include "model/uhr.h"
#include "model/vokabel.h"
#include "store/datenmanager.h"
#include "store/vokabelspeicher.h"
#include "ui/frmhaupt.h"
#include "ui/programmstart.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <optional>

namespace lexovita::testhilfe {

// Answers the questions from `antworten` while they last, then every one
// with `antwort`, or with the offered default when unset, and keeps what was
// asked and said for the test to read.
class TStilleRueckfrage : public IRueckfrage {
  public:
    struct Gefragt {
        QString titel, text;
        int knoepfe;
        Antwort vorgabe;
        Symbol symbol;
    };
    QList<Antwort> antworten;
    std::optional<Antwort> antwort;
    QList<Gefragt> gefragt;
    QStringList fragen;    // "titel|text"
    QStringList meldungen; // "titel|text"
    QStringList texte;     // the text of every question and message, in order
    Antwort Frage(const QString &titel, const QString &text, int knoepfe, Antwort vorgabe, Symbol symbol) override
    {
        gefragt.append({titel, text, knoepfe, vorgabe, symbol});
        fragen.append(titel + QLatin1Char('|') + text);
        texte.append(text);
        return antworten.isEmpty() ? antwort.value_or(vorgabe) : antworten.takeFirst();
    }
    void Meldung(const QString &titel, const QString &text) override
    {
        meldungen.append(titel + QLatin1Char('|') + text);
        texte.append(text);
    }
};

// With LEXOVITA_BILDER naming a folder, the widget is kept there as a
// picture for a look by eye.
inline void Bild(QWidget *w, const QString &name)
{
    if (const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER"); !ordner.isEmpty())
        w->grab().save(QDir(ordner).filePath(name));
}

// The rows of a flat list, columns joined by '|'.
inline QStringList Zeilen(const QAbstractItemView *liste)
{
    const QAbstractItemModel *m = liste->model();
    QStringList s;
    for (int i = 0; i < m->rowCount(); ++i) {
        QStringList spalten;
        for (int k = 0; k < m->columnCount(); ++k)
            spalten << m->index(i, k).data().toString();
        s << spalten.join(QLatin1Char('|'));
    }
    return s;
}

// Ticks or clears the box of a row as a click on it does.
inline void Ankreuzen(QAbstractItemView *liste, int zeile, bool an = true)
{
    liste->model()->setData(liste->model()->index(zeile, 0), an ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

// Runs `bedienen` on the modal window that `ausloesen` opens, then closes
// that window if it is still open; false when no such window came up.
template <class Fenster>
bool ImModalen(const std::function<void()> &ausloesen, const std::function<void(Fenster *)> &bedienen)
{
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        auto *f = qobject_cast<Fenster *>(QApplication::activeModalWidget());
        if (!f)
            return;
        gesehen = true;
        bedienen(f);
        if (f->isVisible())
            f->reject();
    });
    ausloesen();
    return gesehen;
}
template <class Fenster> bool ImModalen(QAction *aktion, const std::function<void(Fenster *)> &bedienen)
{
    return ImModalen<Fenster>([aktion] { aktion->trigger(); }, bedienen);
}

// Enter as the pupil presses it: into whatever has the focus.
inline void Enter(QWidget *fenster)
{
    QWidget *ziel = fenster->focusWidget();
    QTest::keyClick(ziel ? ziel : fenster, Qt::Key_Return);
}

// A database and settings in a temporary folder; `Oeffnen` then shows the
// main window on them. Torn down window first, database last. The database
// lies in the subfolder `datenOrdner` when one is named.
class TUmgebung {
  public:
    QTemporaryDir ordner;
    TStilleRueckfrage frage;
    std::unique_ptr<TDatenmanager> dm;
    std::unique_ptr<TConfig> config;
    std::unique_ptr<TAnwendungskern> kern;
    std::unique_ptr<TfrmHaupt> fenster;

    explicit TUmgebung(bool grundwortschatz = false, const QString &datenOrdner = {})
    {
        dm = std::make_unique<TDatenmanager>(datenOrdner.isEmpty() ? ordner.path() : ordner.filePath(datenOrdner));
        if (grundwortschatz)
            GrundwortschatzEinrichten(*dm, nullptr);
        config = std::make_unique<TConfig>(Ini());
    }
    ~TUmgebung()
    {
        fenster.reset();
        kern.reset();
        config.reset();
        dm.reset();
    }
    TUmgebung(const TUmgebung &) = delete;
    TUmgebung &operator=(const TUmgebung &) = delete;

    // False when the window did not report ready in time.
    // Stores a new entry with one meaning and returns its id; `formen` fill
    // form1 to form3 in turn.
    int32_t Speichern(const QString &wort, int32_t wortart, const QString &bedeutung, const QStringList &formen = {},
                      int32_t konjDekl = KD_KEINE)
    {
        TVokabel v;
        v.vokabel = wort;
        v.form1 = formen.value(0);
        v.form2 = formen.value(1);
        v.form3 = formen.value(2);
        v.SetWortart(wortart);
        v.SetKonjDekl(konjDekl);
        v.BedeutungAnhaengen(bedeutung, {}, 1);
        TVokabelSpeicher(*dm).Speichern(v);
        return v.id;
    }

    // Types `text` into the quick-add field of the open main window and
    // presses Enter: the first candidate goes into the lesson.
    void Hinzufuegen(const QString &text)
    {
        fenster->edtVokabel->clear();
        QTest::keyClicks(fenster->edtVokabel, text);
        QTest::keyClick(fenster->edtVokabel, Qt::Key_Return);
    }

    // The settings file beside the database.
    QString Ini() const { return ordner.filePath(QStringLiteral("einstellungen.ini")); }

    // `ersterStart` as on a database just created.
    [[nodiscard]] bool Oeffnen(const IUhr *uhr = nullptr, IZufall *zufall = nullptr, bool ersterStart = false)
    {
        kern = std::make_unique<TAnwendungskern>(*dm, *config, frage, uhr, zufall);
        fenster = std::make_unique<TfrmHaupt>(*kern);
        fenster->ersterStart = ersterStart;
        QSignalSpy bereit(fenster.get(), &TfrmHaupt::bereit);
        fenster->show();
        return bereit.wait(5000);
    }
};

} // namespace lexovita::testhilfe
