#include "morph/formenjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <limits>

namespace lexovita {

namespace {

// Compact JSON text of one value (QJsonDocument only writes arrays and objects).
QByteArray Wert(const QJsonValue &v)
{
    const QByteArray b = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return b.mid(1, b.size() - 2);
}

bool GanzeZahl(const QJsonValue &v, int32_t &zahl)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < std::numeric_limits<int32_t>::min() || d > std::numeric_limits<int32_t>::max())
        return false;
    zahl = int32_t(d);
    return true;
}

bool TextFeld(const QJsonObject &o, const char *name, bool pflicht, QString &ziel, QString &fehler)
{
    const QJsonValue v = o.value(QLatin1String(name));
    if (v.isUndefined()) {
        if (pflicht)
            fehler = QStringLiteral("Feld \"%1\" fehlt.").arg(QLatin1String(name));
        return !pflicht;
    }
    if (!v.isString()) {
        fehler = QStringLiteral("Feld \"%1\" muss ein Text sein.").arg(QLatin1String(name));
        return false;
    }
    ziel = v.toString();
    return true;
}

constexpr int32_t kFlaggen = ATTR_DEPONENS | ATTR_PLURALIS_TANTUM | ATTR_SINGULARIS_TANTUM | ATTR_SEMIDEPONENS |
                             ATTR_KEIN_PASSIV | ATTR_RESERVIERT;

} // namespace

bool FormenAnfrageLesen(const QByteArray &zeile, TFormenAnfrage &a, QString &fehler)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(zeile, &pe);
    if (pe.error != QJsonParseError::NoError) {
        fehler = QStringLiteral("Die Zeile ist kein gültiges JSON (Zeichen %1).").arg(pe.offset + 1);
        return false;
    }
    if (!doc.isObject()) {
        fehler = QStringLiteral("Die Zeile ist kein JSON-Objekt.");
        return false;
    }
    const QJsonObject o = doc.object();
    a.key = o.value(QLatin1String("key"));
    if (a.key.isUndefined())
        a.key = QJsonValue::Null;

    TVokabel &v = a.vokabel;
    QString wortart, konjdekl;
    if (!TextFeld(o, "vokabel", true, v.vokabel, fehler) || !TextFeld(o, "form1", false, v.form1, fehler) ||
        !TextFeld(o, "form2", false, v.form2, fehler) || !TextFeld(o, "form3", false, v.form3, fehler) ||
        !TextFeld(o, "wortart", true, wortart, fehler) || !TextFeld(o, "konjdekl", false, konjdekl, fehler))
        return false;
    v.SetWortart(WortartAusBuchstabe(wortart));
    v.SetKonjDekl(KonjDeklAusBuchstabe(konjdekl));

    const QJsonValue attr = o.value(QLatin1String("attribute"));
    if (!attr.isUndefined()) {
        int32_t bits = 0;
        if (!GanzeZahl(attr, bits) || bits < 0) {
            fehler = QStringLiteral("Feld \"attribute\" muss eine nicht negative ganze Zahl sein.");
            return false;
        }
        v.attribute |= bits & kFlaggen;
    }

    const QJsonValue sf = o.value(QLatin1String("sonderformen"));
    if (!sf.isUndefined()) {
        const QString meldung =
            QStringLiteral("Feld \"sonderformen\" muss eine Liste von [form_id, \"text\"]-Paaren sein.");
        if (!sf.isArray()) {
            fehler = meldung;
            return false;
        }
        for (const QJsonValue &paar : sf.toArray()) {
            const QJsonArray p = paar.toArray();
            int32_t id = 0;
            if (!paar.isArray() || p.size() != 2 || !GanzeZahl(p.at(0), id) || !p.at(1).isString()) {
                fehler = meldung;
                return false;
            }
            v.sonderformen.push_back(std::make_unique<TLatForm>(v.id, p.at(1).toString(), id));
        }
    }

    const QJsonValue sel = o.value(QLatin1String("selektor"));
    if (!sel.isUndefined()) {
        int32_t s = 0;
        if (!GanzeZahl(sel, s)) {
            fehler = QStringLiteral("Feld \"selektor\" muss eine ganze Zahl sein.");
            return false;
        }
        a.selektor = s;
    }
    return true;
}

void FormenAnfrageErzeugen(TFormenmanager &m, const TFormenAnfrage &a)
{
    m.Zuruecksetzen();
    if (a.selektor)
        m.FormenErzeugen(a.vokabel, *a.selektor);
    else
        m.AlleFormenErzeugen(a.vokabel);
}

QByteArray FormenAntwort(const QJsonValue &key, const std::vector<TLatForm> &formen)
{
    // Written by hand to keep the documented key order; values are encoded
    // by QJsonDocument.
    QByteArray z;
    z.reserve(64 + qsizetype(formen.size()) * 96);
    z += "{\"key\":" + Wert(key) + ",\"formen\":[";
    bool erste = true;
    for (const TLatForm &f : formen) {
        if (!erste)
            z += ',';
        erste = false;
        z += "{\"id\":" + QByteArray::number(f.formId) + ",\"bezeichnung\":" + Wert(f.bezeichnung) +
             ",\"text\":" + Wert(f.text) + ",\"variante\":" + QByteArray::number(f.variante) + '}';
    }
    z += "]}";
    return z;
}

QByteArray FehlerAntwort(const QJsonValue &key, const QString &fehler)
{
    return "{\"key\":" + Wert(key) + ",\"fehler\":" + Wert(fehler) + '}';
}

} // namespace lexovita
