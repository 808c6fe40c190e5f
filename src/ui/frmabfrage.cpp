#include "ui/frmabfrage.h"

#include "app/ankreuzmodell.h"
#include "app/anwendungskern.h"
#include "app/laengenanzeige.h"
#include "app/lerndienst.h"
#include "app/wiederholdienst.h"
#include "learning/antwort.h"
#include "learning/vokabeltest.h"
#include "model/config.h"
#include "model/fehler.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "model/uhr.h"
#include "model/vokabel.h"
#include "render/seiten.h"
#include "ui/frmlehrbuchverwaltung.h"
#include "ui/hilfe.h"
#include "ui/punktestand.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace lexovita {

namespace {

// Alt letters taken by the window's fixed captions; the principal-part
// labels change with every entry and each takes the first letter still free,
// so two labels starting alike ("1. Prs. ...") still get their own.
const QString kFesteKuerzel = QStringLiteral("wbvmgalszh");

QString MitKuerzel(const QString &text, QString &belegt)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].isLetter() && !belegt.contains(text[i].toLower())) {
            belegt += text[i].toLower();
            return text.left(i) + QLatin1Char('&') + text.mid(i);
        }
    return text;
}

QString OderLeer(const QString &s)
{
    return s.isEmpty() ? QStringLiteral("(leer)") : s;
}

} // namespace

TfrmAbfrage::TfrmAbfrage(QWidget *parent, TAnwendungskern &kern, const TLektion &lektion, Art art)
    : QDialog(parent), m_kern(kern), m_art(art), m_wiederholung(std::make_unique<TWiederholdienst>(kern)),
      m_lektion(lektion)
{
    setObjectName(QStringLiteral("frmAbfrage"));
    setWindowTitle(art == Art::Wiederholung ? QStringLiteral("Fällige Vokabeln wiederholen")
                                            : QStringLiteral("Vokabeln schriftlich lernen"));
    if (art == Art::Wiederholung) {
        // Most overdue first, as planned; a wrong entry comes back tomorrow.
        m_eigeneConfig = kern.Config().Kopie();
        m_eigeneConfig->vlsMischen = false;
        m_eigeneConfig->vlsAnfang = false;
        m_dienst = std::make_unique<TLerndienst>(kern.Daten(), *m_eigeneConfig, kern.Zufall());
    } else {
        m_dienst = std::make_unique<TLerndienst>(kern);
    }
    const TConfig &c = Cfg();
    const bool latDe = c.LateinDeutsch();

    grpFrage = new QGroupBox(
        latDe ? QStringLiteral("Was bedeutet...") : QStringLiteral("Welcher Vokabel entspricht..."), this);
    lblFrage = new QLabel(grpFrage);
    // Shows stored text: a headword with tags must not turn into markup.
    lblFrage->setTextFormat(Qt::PlainText);
    lblFrage->setObjectName(QStringLiteral("lblFrage"));
    lblFrage->setWordWrap(true);
    lblFrage->setTextInteractionFlags(Qt::NoTextInteraction);
    QFont f = lblFrage->font();
    f.setPointSize(latDe ? 12 : 8);
    f.setBold(latDe);
    lblFrage->setFont(f);
    lblWortart = new QLabel(grpFrage);
    lblWortart->setTextFormat(Qt::PlainText);
    lblWortart->setObjectName(QStringLiteral("lblWortart"));
    btnMerkhilfen = new QPushButton(QStringLiteral("&Merkhilfen"), grpFrage);
    btnMerkhilfen->setObjectName(QStringLiteral("btnMerkhilfen"));
    btnMerkhilfen->setAccessibleName(QStringLiteral("Merkhilfen zeigen, solange gedrückt"));
    btnMerkhilfen->setAutoDefault(false);
    lblMerkhilfen = new QLabel(grpFrage);
    lblMerkhilfen->setTextFormat(Qt::PlainText);
    lblMerkhilfen->setObjectName(QStringLiteral("lblMerkhilfen"));
    lblMerkhilfen->setFrameShape(QFrame::StyledPanel);
    lblMerkhilfen->setAutoFillBackground(true);
    lblMerkhilfen->setBackgroundRole(QPalette::ToolTipBase);
    lblMerkhilfen->setForegroundRole(QPalette::ToolTipText);
    lblMerkhilfen->hide();

    lblAntwort = new QLabel(latDe ? QStringLiteral("&Bedeutung:") : QStringLiteral("&Vokabel:"), grpFrage);
    edtAntwort = new QLineEdit(grpFrage);
    edtAntwort->setObjectName(QStringLiteral("edtAntwort"));
    edtAntwort->setAccessibleName(latDe ? QStringLiteral("Bedeutung") : QStringLiteral("Vokabel"));
    lblAntwort->setBuddy(edtAntwort);
    auto feld = [this](QLabel *&lbl, QLineEdit *&edt, const char *name) {
        lbl = new QLabel(grpFrage);
        lbl->setTextFormat(Qt::PlainText);
        edt = new QLineEdit(grpFrage);
        edt->setObjectName(QString::fromLatin1(name));
        lbl->setBuddy(edt);
    };
    feld(lblForm1, edtForm1, "edtForm1");
    feld(lblForm2, edtForm2, "edtForm2");
    feld(lblForm3, edtForm3, "edtForm3");
    lblGenus = new QLabel(QStringLiteral("&Genus:"), grpFrage);
    m_genus = new QButtonGroup(this);
    auto *genusZeile = new QHBoxLayout;
    int nr = 0;
    for (auto [opt, text, name] :
         {std::tuple{&optM, "m.", "maskulinum"}, std::tuple{&optF, "f.", "femininum"},
          std::tuple{&optN, "n.", "neutrum"}, std::tuple{&optMF, "m. + f.", "maskulinum und femininum"}}) {
        *opt = new QRadioButton(QString::fromLatin1(text), grpFrage);
        (*opt)->setAccessibleName(QStringLiteral("Genus ") + QString::fromLatin1(name));
        (*opt)->installEventFilter(this);
        m_genus->addButton(*opt, nr++);
        genusZeile->addWidget(*opt);
    }
    genusZeile->addStretch();
    lblGenus->setBuddy(optM);

    auto *frage = new QGridLayout(grpFrage);
    frage->addWidget(lblFrage, 0, 0, 1, 2);
    frage->addWidget(btnMerkhilfen, 0, 2);
    frage->addWidget(lblWortart, 1, 0, 1, 2);
    frage->addWidget(lblMerkhilfen, 2, 0, 1, 3);
    frage->addWidget(lblAntwort, 3, 0);
    frage->addWidget(edtAntwort, 3, 1, 1, 2);
    frage->addWidget(lblForm1, 4, 0);
    frage->addWidget(edtForm1, 4, 1, 1, 2);
    frage->addWidget(lblGenus, 5, 0);
    frage->addLayout(genusZeile, 5, 1, 1, 2);
    frage->addWidget(lblForm2, 6, 0);
    frage->addWidget(edtForm2, 6, 1, 1, 2);
    frage->addWidget(lblForm3, 7, 0);
    frage->addWidget(edtForm3, 7, 1, 1, 2);
    frage->setRowStretch(8, 1);
    frage->setColumnStretch(1, 1);

    grpErgebnis = new QGroupBox(this);
    lblErgebnis = new QLabel(grpErgebnis);
    lblErgebnis->setTextFormat(Qt::PlainText);
    lblErgebnis->setObjectName(QStringLiteral("lblErgebnis"));
    QFont fe = lblErgebnis->font();
    fe.setBold(true);
    lblErgebnis->setFont(fe);
    lvwAntworten = new QTreeWidget(grpErgebnis);
    lvwAntworten->setObjectName(QStringLiteral("lvwAntworten"));
    lvwAntworten->setAccessibleName(QStringLiteral("Eingegebene Antworten"));
    lvwAntworten->setHeaderLabels({QStringLiteral("Bewertung"), QStringLiteral("Eingabe")});
    lvwAntworten->setRootIsDecorated(false);
    lvwAntworten->setMaximumHeight(110);
    lblEingegeben = new QLabel(grpErgebnis);
    lblEingegeben->setTextFormat(Qt::PlainText);
    lblEingegeben->setObjectName(QStringLiteral("lblEingegeben"));
    lblEingegeben->setWordWrap(true);
    txtVokabel = new QTextBrowser(grpErgebnis);
    txtVokabel->setObjectName(QStringLiteral("txtVokabel"));
    txtVokabel->setAccessibleName(QStringLiteral("Vokabel"));
    // The entry page names its flag pictures as "vorlagen/<name>", relative
    // to the program folder.
    txtVokabel->setSearchPaths({kern.Config().programmordner, kern.Config().VorlagenOrdner()});
    auto *erg = new QVBoxLayout(grpErgebnis);
    erg->addWidget(lblErgebnis);
    erg->addWidget(lvwAntworten);
    erg->addWidget(lblEingegeben);
    erg->addWidget(txtVokabel, 1);

    grpZusammenfassung = new QGroupBox(QStringLiteral("Alle Vokabeln abgefragt"), this);
    QStringList kopf{QStringLiteral("Vokabel"), QStringLiteral("Abgefragt"), QStringLiteral("Richtige"),
                     QStringLiteral("Falsche")};
    if (art == Art::Wiederholung)
        kopf << QStringLiteral("Nächste Wiederholung");
    mdlFalsch = new TAnkreuzModell(kopf, this);
    lvwFalsch = new QTreeView(grpZusammenfassung);
    lvwFalsch->setObjectName(QStringLiteral("lvwFalsch"));
    lvwFalsch->setAccessibleName(QStringLiteral("Falsch beantwortete Vokabeln"));
    lvwFalsch->setModel(mdlFalsch);
    lvwFalsch->setUniformRowHeights(true);
    lvwFalsch->setRootIsDecorated(false);
    auto *lblAb = new QLabel(QStringLiteral("Zeige Vokabeln &ab"), grpZusammenfassung);
    spnFalsch = new QSpinBox(grpZusammenfassung);
    spnFalsch->setObjectName(QStringLiteral("spnFalsch"));
    spnFalsch->setAccessibleName(QStringLiteral("Zeige Vokabeln ab so oft falsch beantwortet"));
    spnFalsch->setRange(0, 99);
    spnFalsch->setValue(1);
    lblAb->setBuddy(spnFalsch);
    btnAlleMarkieren = new QPushButton(QStringLiteral("A&lle markieren"), grpZusammenfassung);
    btnAlleMarkieren->setObjectName(QStringLiteral("btnAlleMarkieren"));
    btnAlleMarkieren->setAutoDefault(false);
    btnSpeichern = new QPushButton(QStringLiteral("&Speichern"), grpZusammenfassung);
    btnSpeichern->setObjectName(QStringLiteral("btnSpeichern"));
    btnSpeichern->setAccessibleName(QStringLiteral("Markierte Vokabeln als Lektion speichern"));
    btnSpeichern->setAutoDefault(false);
    btnSpeichern->setEnabled(false);
    chkHinzufuegen = new QCheckBox(QStringLiteral("Vokabeln &zu Datei hinzufügen "), grpZusammenfassung);
    chkHinzufuegen->setObjectName(QStringLiteral("chkHinzufuegen"));
    chkHinzufuegen->setAccessibleName(QStringLiteral("Vokabeln zu einer vorhandenen Lektion hinzufügen"));
    chkHinzufuegen->setChecked(true);
    lblGespeichert = new QLabel(grpZusammenfassung);
    lblGespeichert->setTextFormat(Qt::PlainText);
    lblGespeichert->setObjectName(QStringLiteral("lblGespeichert"));
    lblGespeichert->setWordWrap(true);
    auto *zeile = new QHBoxLayout;
    zeile->addWidget(lblAb);
    zeile->addWidget(spnFalsch);
    zeile->addWidget(new QLabel(QStringLiteral("mal falsch beantwortet."), grpZusammenfassung));
    zeile->addStretch();
    zeile->addWidget(btnAlleMarkieren);
    auto *speichernZeile = new QHBoxLayout;
    speichernZeile->addWidget(chkHinzufuegen);
    speichernZeile->addStretch();
    speichernZeile->addWidget(btnSpeichern);
    auto *zus = new QVBoxLayout(grpZusammenfassung);
    zus->addWidget(lvwFalsch, 1);
    zus->addLayout(zeile);
    zus->addLayout(speichernZeile);
    zus->addWidget(lblGespeichert);

    pnlErgebnis = new TPunktestand(this, true);

    const TDrillspalte spalte = DrillspalteAnlegen(this, pnlErgebnis);
    btnWeiter = spalte.weiter;
    btnAbbrechen = spalte.abbrechen;
    btnHilfe = spalte.hilfe;

    auto *links = new QVBoxLayout;
    links->addWidget(grpFrage, 1);
    links->addWidget(grpErgebnis, 2);
    links->addWidget(grpZusammenfassung, 1);
    auto *haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(spalte.layout);
    resize(720, 560);

    connect(btnWeiter, &QPushButton::clicked, this, &TfrmAbfrage::Weiter);
    connect(btnAbbrechen, &QPushButton::clicked, this, &TfrmAbfrage::reject);
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, 1037); });
    connect(btnMerkhilfen, &QPushButton::pressed, lblMerkhilfen, &QWidget::show);
    connect(btnMerkhilfen, &QPushButton::released, lblMerkhilfen, &QWidget::hide);
    // Enter in a field is taken here, before the dialog would press a button.
    for (QLineEdit *e : {edtAntwort, edtForm1, edtForm2, edtForm3})
        e->installEventFilter(this);
    connect(edtAntwort, &QLineEdit::textChanged, this, &TfrmAbfrage::Schnellkorrektur);
    connect(spnFalsch, &QSpinBox::valueChanged, this, &TfrmAbfrage::ZusammenfassungFuellen);
    connect(btnAlleMarkieren, &QPushButton::clicked, mdlFalsch, &TAnkreuzModell::AlleAnkreuzen);
    connect(mdlFalsch, &TAnkreuzModell::ankreuzungGeaendert, btnSpeichern,
            [this](int anzahl) { btnSpeichern->setEnabled(anzahl > 0); });
    connect(btnSpeichern, &QPushButton::clicked, this, &TfrmAbfrage::FalscheSpeichern);
    lektionWaehlen = [this] {
        TLehrbuchwahl wahl = TfrmLehrbuchverwaltung::Auswaehlen(this, m_kern, VM_SPEICHERN_UNTER, {}, false);
        m_kern.Sitzung().LoeschungenAnwenden(wahl);
        return wahl;
    };

    m_test = m_dienst->Vokabeltest(m_lektion);
    m_test->NaechsteVokabel();
    FrageZeigen();
}

TfrmAbfrage::~TfrmAbfrage() = default;

const TConfig &TfrmAbfrage::Cfg() const
{
    return m_eigeneConfig ? *m_eigeneConfig : m_kern.Config();
}

void TfrmAbfrage::Aufzeichnen(int32_t vokabelId, bool richtig)
{
    // An entry deleted while the drill runs comes back empty, with id 0.
    if (vokabelId <= 0 || (m_art == Art::Lektion && !m_wiederholung->Einstellung().aufzeichnen))
        return;
    const qint64 sekunden = m_gefragtUm.isValid() ? m_gefragtUm.secsTo(m_kern.Uhr().Jetzt()) : 0;
    try {
        const TGedaechtnis g = m_wiederholung->Antworten(vokabelId, richtig, TAbfrageArt::Schriftlich,
                                                         static_cast<int32_t>(std::clamp<qint64>(sekunden, 0, 3600)));
        m_naechste[vokabelId] = g.faellig;
    } catch (const TFehler &e) {
        // The drill goes on; the pupil is told once that the history misses answers.
        if (!m_speicherFehlerGemeldet)
            m_kern.Rueckfrage().Meldung(windowTitle(),
                                        QStringLiteral("Die Antwort konnte nicht gespeichert werden:\n") + e.Meldung());
        m_speicherFehlerGemeldet = true;
    }
}

void TfrmAbfrage::FrageZeigen()
{
    m_zustand = Frage;
    const TConfig &c = Cfg();
    const TVokabel *v = m_test->AktuelleVokabel();
    QString text;
    if (v && c.LateinDeutsch()) {
        text = AnzeigeText(v->vokabel, c, *v);
        lblWortart->setText(QLatin1Char('(') + v->WortartText() + QLatin1Char(')'));
    } else if (v) {
        text = v->BedeutungenText();
        lblWortart->clear();
    }
    lblWortart->setVisible(c.LateinDeutsch());
    if (!text.endsWith(QLatin1Char('?')))
        text += QLatin1Char('?');
    lblFrage->setText(text);
    edtAntwort->clear();
    Schnellkorrektur(QString());
    ErgebnisZeigen();

    QStringList hilfen;
    if (v)
        for (const auto &m : v->merkhilfen)
            hilfen << SpracheName(m->sprache) + QStringLiteral(": ") + m->merkhilfe;
    btnMerkhilfen->setVisible(!hilfen.isEmpty());
    lblMerkhilfen->setText(hilfen.join(QLatin1Char('\n')));
    lblMerkhilfen->setFixedHeight(16 * static_cast<int>(hilfen.size()) + 16);
    lblMerkhilfen->hide();

    FelderZeigen();
    m_gefragtUm = m_kern.Uhr().Jetzt();
    grpFrage->show();
    grpErgebnis->hide();
    grpZusammenfassung->hide();
    edtAntwort->setFocus();
}

void TfrmAbfrage::FelderZeigen()
{
    for (QLineEdit *e : {edtForm1, edtForm2, edtForm3})
        e->clear();
    m_genus->setExclusive(false);
    for (QAbstractButton *b : m_genus->buttons())
        b->setChecked(false);
    m_genus->setExclusive(true);
    // The engine says which fields it asks; the window lays them out.
    QLabel *const labels[] = {lblForm1, lblForm2, lblForm3};
    QLineEdit *const felder[] = {edtForm1, edtForm2, edtForm3};
    bool an[3] = {false, false, false};
    bool genus = false;
    QString belegt = kFesteKuerzel;
    for (const TAbfragefeld &f : m_test->Abfragefelder()) {
        if (f.art == TAbfragefeld::Genus) {
            genus = true;
            continue;
        }
        const int i = static_cast<int>(f.art);
        an[i] = true;
        labels[i]->setText(MitKuerzel(f.bezeichnung + QLatin1Char(':'), belegt));
        felder[i]->setAccessibleName(f.bezeichnung);
    }
    for (int i = 0; i < 3; ++i) {
        labels[i]->setVisible(an[i]);
        felder[i]->setVisible(an[i]);
    }
    lblGenus->setVisible(genus);
    for (QAbstractButton *b : m_genus->buttons())
        b->setVisible(genus);
}

void TfrmAbfrage::EnterIn(QWidget *feld)
{
    if (m_zustand != Frage)
        return;
    // Enter walks through the visible fields in their order; after the last it checks.
    const QList<QWidget *> reihe{edtAntwort, edtForm1, optM, edtForm2, edtForm3};
    for (qsizetype i = reihe.indexOf(feld) + 1; i > 0 && i < reihe.size(); ++i)
        if (reihe[i]->isVisibleTo(this)) {
            reihe[i]->setFocus();
            return;
        }
    Weiter();
}

bool TfrmAbfrage::eventFilter(QObject *obj, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            if (m_genus->buttons().contains(qobject_cast<QAbstractButton *>(obj)))
                Weiter();
            else
                EnterIn(qobject_cast<QWidget *>(obj));
            return true;
        }
    }
    return QDialog::eventFilter(obj, event);
}

void TfrmAbfrage::Schnellkorrektur(const QString &text)
{
    const TConfig &c = Cfg();
    const TVokabel *v = m_test ? m_test->AktuelleVokabel() : nullptr;
    QPalette pal = edtAntwort->palette();
    pal.setColor(QPalette::Text, palette().color(QPalette::Text));
    if (c.vlsSchnellkorrektur && v)
        pal.setColor(QPalette::Text, m_test->AntwortPasstNoch(text) ? QColor(0, 128, 0) : QColor(200, 0, 0));
    edtAntwort->setPalette(pal);
}

void TfrmAbfrage::Weiter()
{
    switch (m_zustand) {
    case Frage:
        Pruefen();
        break;
    case Richtig:
        if (m_test->Verbleibend() == 0) {
            Beenden();
        } else {
            m_test->NaechsteVokabel();
            FrageZeigen();
        }
        break;
    case Loesung:
        // A wrong answer may have been the last one to ask.
        if (m_test->Verbleibend() > 0) {
            m_test->NaechsteVokabel();
            FrageZeigen();
        } else {
            Beenden();
        }
        break;
    case Fertig:
        break;
    }
}

void TfrmAbfrage::Pruefen()
{
    const TVokabel *v = m_test->AktuelleVokabel();
    if (!v)
        return;
    m_test->antwort = edtAntwort->text();
    m_test->antwortForm1 = edtForm1->text();
    m_test->antwortForm2 = edtForm2->text();
    m_test->antwortForm3 = edtForm3->text();
    const bool nomen = v->Wortart() == WA_SUBSTANTIV;
    if (nomen) {
        const int gewaehlt = m_genus->checkedId();
        m_test->antwortForm2 = gewaehlt >= 0 ? GenusBuchstabe(static_cast<TGenus>(gewaehlt)) : QString();
    }
    m_test->Pruefen();
    const bool richtig = m_test->IstRichtig();
    Aufzeichnen(v->id, richtig);
    m_zustand = richtig ? Richtig : Loesung;

    lvwAntworten->clear();
    auto zeile = [this](bool ok, const QString &text) {
        auto *item = new QTreeWidgetItem(lvwAntworten);
        item->setText(0, ok ? QStringLiteral("✔ richtig") : QStringLiteral("✘ falsch"));
        item->setForeground(0, ok ? QColor(0, 128, 0) : QColor(200, 0, 0));
        item->setText(1, text);
    };
    zeile(m_test->bedeutungRichtig, OderLeer(m_test->antwort));
    if (Cfg().vlStammformen) {
        if (!v->form1.isEmpty())
            zeile(m_test->form1Richtig, OderLeer(m_test->antwortForm1));
        if (!v->form2.isEmpty()) {
            // A noun's gender letter is shown as abbreviated ("m."), any other
            // part as typed.
            QString t = m_test->antwortForm2;
            if (nomen && !t.isEmpty())
                t = (t == QLatin1String("p") ? QStringLiteral("m./f") : t) + QLatin1Char('.');
            zeile(m_test->form2Richtig, OderLeer(t));
        }
        if (!v->form3.isEmpty())
            zeile(m_test->form3Richtig, OderLeer(m_test->antwortForm3));
    }
    lblErgebnis->setText(richtig ? QStringLiteral("Die Antwort ist richtig!")
                                 : QStringLiteral("Die Antwort ist falsch!"));
    lvwAntworten->setVisible(!richtig);
    // A case field holding another form of the noun: say which one it was;
    // a part right but for its lengths: say which length.
    const QString hinweis =
        richtig ? QString()
                : (QStringList{EingegebeneFormHinweis(m_test->eingegebeneFormen)} + m_test->laengenHinweise)
                      .join(QLatin1Char('\n'))
                      .trimmed();
    lblEingegeben->setText(hinweis);
    lblEingegeben->setVisible(!hinweis.isEmpty());
    txtVokabel->setHtml(VokabelSeiteHtml(*v, LaengenAnzeige(Cfg())));
    // The score counts this answer at once, not only with the next question.
    ErgebnisZeigen();
    grpFrage->hide();
    grpErgebnis->show();
    btnWeiter->setFocus();
}

void TfrmAbfrage::ErgebnisZeigen()
{
    pnlErgebnis->Setzen(m_test->Abgefragt(), m_test->Verbleibend(), m_test->ProzentRichtig(), m_test->ProzentFalsch(),
                        m_test->richtige, m_test->falsche);
}

void TfrmAbfrage::reject()
{
    // Stopping a drill with answers shows what they were; closing the
    // summary (or a drill not yet answered) closes the window.
    if (m_zustand != Fertig && m_test->Abgefragt() > 0) {
        Beenden(true);
        return;
    }
    QDialog::reject();
}

void TfrmAbfrage::Beenden(bool abgebrochen)
{
    m_zustand = Fertig;
    ErgebnisZeigen();
    grpFrage->hide();
    grpErgebnis->hide();
    btnWeiter->hide();
    grpZusammenfassung->setTitle(abgebrochen ? QStringLiteral("Abfrage abgebrochen: bisherige Antworten")
                                             : QStringLiteral("Alle Vokabeln abgefragt"));
    grpZusammenfassung->show();
    btnAbbrechen->setText(QStringLiteral("S&chließen"));
    btnAbbrechen->setAccessibleName(QStringLiteral("Schließen"));
    ZusammenfassungFuellen();
    btnAbbrechen->setFocus();
}

void TfrmAbfrage::ZusammenfassungFuellen()
{
    const int ab = spnFalsch->value();
    std::vector<TAnkreuzModell::Zeile> zeilen;
    for (const auto &v : m_lektion.vokabeln) {
        const TVokStatistik s = m_test->StatistikFuer(v->id);
        if (s.falsch < ab)
            continue;
        QStringList texte{v->vokabel, QString::number(s.Anzahl()), QString::number(s.richtig),
                          QString::number(s.falsch)};
        if (m_art == Art::Wiederholung) {
            const auto n = m_naechste.find(v->id);
            texte << (n == m_naechste.end() ? QString() : n->second.toString(QStringLiteral("dd.MM.yyyy")));
        }
        zeilen.push_back({v->id, texte});
    }
    mdlFalsch->Setzen(std::move(zeilen));
    if (m_art == Art::Wiederholung)
        for (int k = 0; k < mdlFalsch->columnCount(); ++k)
            lvwFalsch->resizeColumnToContents(k);
    btnSpeichern->setEnabled(false);
}

void TfrmAbfrage::FalscheSpeichern()
{
    const std::vector<int32_t> ids = mdlFalsch->AngekreuzteIds();
    if (ids.empty())
        return;
    const TLehrbuchwahl wahl = lektionWaehlen();
    if (!wahl.bestaetigt || wahl.name.trimmed().isEmpty() || wahl.lehrbuchId == 0)
        return;
    const bool hinzufuegen = chkHinzufuegen->isChecked();
    IRueckfrage &frage = m_kern.Rueckfrage();
    // Replacing a stored lesson's entries cannot be undone: ask first.
    if (wahl.lektionId != 0 && !hinzufuegen &&
        frage.Frage(ProgrammTitel(),
                    QStringLiteral("Soll die Lektion '%1' überschrieben werden?").arg(wahl.name.trimmed()), KN_JA_NEIN,
                    Antwort::Nein, Symbol::Frage) != Antwort::Ja)
        return;
    try {
        if (!m_dienst->FalscheSpeichern(wahl, ids, hinzufuegen))
            return;
    } catch (const std::exception &e) {
        frage.Meldung(ProgrammTitel(), FehlerMeldung(e));
        return;
    }
    const int n = static_cast<int>(ids.size());
    lblGespeichert->setText(
        (n == 1 ? QStringLiteral("1 Vokabel wurde") : QStringLiteral("%1 Vokabeln wurden").arg(n)) +
        QStringLiteral(" in der Lektion '%1' (%2) gespeichert.").arg(wahl.name.trimmed(), wahl.lehrbuch));
}

} // namespace lexovita
