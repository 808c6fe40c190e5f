#pragma once

// Forms as JSON Lines: the exchange format of the command-line tool and the
// golden paradigm files. One input object describes one entry.

#include "morph/formenmanager.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <optional>

namespace lexovita {

struct TFormenAnfrage {
    QJsonValue key; // echoed unchanged
    TVokabel vokabel;
    std::optional<int32_t> selektor; // none: every form of the entry
};

// Reads one line {"key", "vokabel", "form1".."form3", "wortart", "konjdekl",
// "attribute", optional "sonderformen": [[id, "text"], ...], "selektor"}.
// False with a German message in `fehler`; `a.key` is set whenever the line
// was an object.
bool FormenAnfrageLesen(const QByteArray &zeile, TFormenAnfrage &a, QString &fehler);

// Generates the forms the request asks for into m (reset first).
void FormenAnfrageErzeugen(TFormenmanager &m, const TFormenAnfrage &a);

// {"key":…,"formen":[{"id":…,"bezeichnung":…,"text":…,"variante":…},…]}
QByteArray FormenAntwort(const QJsonValue &key, const std::vector<TLatForm> &formen);
// {"key":…,"fehler":"…"}
QByteArray FehlerAntwort(const QJsonValue &key, const QString &fehler);

} // namespace lexovita
