#!/usr/bin/env python3
"""Writes the HTML templates of data/vorlagen/.

The forms tables hold several hundred placeholders; writing them by hand
invites typos in the keywords, so they are generated here. Run it after a
change and commit the written files:  python3 data/werkzeuge/vorlagen_erzeugen.py
Non-ASCII letters are written as HTML entities so the files read correctly
whatever encoding a viewer assumes.
"""
import html.entities
import os

ZIEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "vorlagen")


def ascii_html(text):
    aus = []
    for z in text:
        if ord(z) < 128:
            aus.append(z)
        elif ord(z) in html.entities.codepoint2name:
            aus.append("&%s;" % html.entities.codepoint2name[ord(z)])
        else:
            aus.append("&#%d;" % ord(z))
    return "".join(aus)


def schreiben(name, text):
    with open(os.path.join(ZIEL, name), "w", encoding="ascii", newline="\n") as f:
        f.write(ascii_html(text))


# QTextBrowser understands only a subset of CSS: element and class selectors,
# fonts, colours, margins and table borders. Everything here stays within it.
STIL = """<STYLE type="text/css">
body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: 10pt; color: #1a1a1a; background-color: #ffffff; }
h1 { font-size: 16pt; font-weight: bold; color: #1f3f6f; margin-top: 0px; margin-bottom: 4px; }
h2 { font-size: 12pt; font-weight: bold; color: #1f3f6f; margin-top: 14px; margin-bottom: 4px; }
h3 { font-size: 10pt; font-weight: bold; color: #333333; margin-top: 10px; margin-bottom: 3px; }
table.formen { border-collapse: collapse; border-color: #9aa9bd; }
th { background-color: #dde6f0; font-weight: bold; text-align: left; }
td.kasus { background-color: #f2f5f9; color: #333333; }
tr.gruppe td { background-color: #e9eef5; font-style: italic; color: #1f3f6f; }
.etikett { color: #555555; }
.stammformen { color: #333333; font-style: italic; }
.klein { font-size: 8pt; color: #666666; }
.kopf { font-size: 18pt; font-weight: bold; color: #1f3f6f; }
.latein { font-family: "DejaVu Serif", "Times New Roman", serif; }
.text { font-family: "DejaVu Serif", "Times New Roman", serif; font-size: 11pt; white-space: pre-wrap; }
.nr { font-weight: bold; color: #1f3f6f; }
</STYLE>"""


def seite(titel, koerper):
    return """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<HTML>
<HEAD>
<META http-equiv="Content-Type" content="text/html; charset=utf-8">
<TITLE>%s</TITLE>
%s
</HEAD>
<BODY>
%s
</BODY>
</HTML>
""" % (titel, STIL, koerper.strip("\n"))


# ---------------------------------------------------------------- entry pages

VOKABEL = seite("Vokabel", """
<TABLE width="100%" border="0" cellspacing="0" cellpadding="6" bgcolor="#e8eef7">
<TR><TD>
<SPAN class="kopf latein"><!-- #Vokabel --></SPAN><BR>
<SPAN class="stammformen latein"><!-- #Formen --></SPAN>
</TD></TR>
</TABLE>
<TABLE border="0" cellspacing="0" cellpadding="2">
<TR><TD class="etikett">Wortart:</TD><TD><!-- #Wortart --></TD></TR>
<TR><TD class="etikett">Konjugation/Deklination:</TD><TD><!-- #KonjDekl --></TD></TR>
</TABLE>
<H2>Bedeutungen</H2>
<!-- #Bedeutungen -->
<H2>Merkhilfen</H2>
<!-- #Merkhilfen -->
""")

ANALYSE = seite("Formenanalyse", """
<TABLE width="100%" border="0" cellspacing="0" cellpadding="6" bgcolor="#e8eef7">
<TR><TD>
<SPAN class="kopf latein"><!-- #Vokabel --></SPAN><BR>
<SPAN class="stammformen latein"><!-- #Formen --></SPAN>
</TD></TR>
</TABLE>
<TABLE border="0" cellspacing="0" cellpadding="2">
<TR><TD class="etikett">Wortart:</TD><TD><!-- #Wortart --></TD></TR>
<TR><TD class="etikett">Konjugation/Deklination:</TD><TD><!-- #KonjDekl --></TD></TR>
</TABLE>
<H2>Erkannte Formen</H2>
<UL>
<!-- #Analyse -->
</UL>
<H2>Bedeutungen</H2>
<!-- #Bedeutungen -->
<H2>Merkhilfen</H2>
<!-- #Merkhilfen -->
""")

# ---------------------------------------------------------------- lesson print

FUSS_HINWEIS = ""

DRUCK_VOKABELN = """<H2>Vokabeln</H2>
<!-- #VokabelAnfang -->"""
DRUCK_TEXT = """<H2>Text</H2>
<DIV class="text">
<!-- #Text -->
</DIV>"""


def druck(teile):
    return seite("Lektion", "<H1><!-- #Ueberschrift --></H1>\n" + "\n".join(teile))


def block(zusatz):
    # One entry of the lesson print; the system appends <BR> to the replaced
    # meanings, forms and class, so each sits on a line of its own.
    return """<TABLE width="100%%" border="0" cellspacing="0" cellpadding="3">
<TR>
<TD width="32" valign="top" class="nr"><!-- #Nr -->.</TD>
<TD width="38%%" valign="top">
<B class="latein"><!-- #Vokabel --></B><BR>
<SPAN class="stammformen latein"><!-- #Formen --></SPAN>
<SPAN class="klein"><!-- #KonjDekl --></SPAN>
%s</TD>
<TD valign="top">
<!-- #Bedeutungen -->
<!-- #Merkhilfen -->
</TD>
</TR>
</TABLE>
<!-- #Trennlinie -->
""" % zusatz


BLOCK_VERB = block('<SPAN class="klein">Verb</SPAN>\n')
BLOCK_SUBSTANTIV = block('<SPAN class="klein">Substantiv</SPAN>\n')
BLOCK_ADJEKTIV = block("""<SPAN class="klein">Steigerung:
<!-- #Form(KOM MAS NOMSG) -->,
<!-- #Form(SUP MAS NOMSG) --><BR>
Adverb:
<!-- #Form(ADV POS) --></SPAN>
""")
BLOCK_VOKABEL = block("")

# ---------------------------------------------------------------- forms tables

PERSONEN = [("1SG", "1. Person Sg."), ("2SG", "2. Person Sg."), ("3SG", "3. Person Sg."),
            ("1PL", "1. Person Pl."), ("2PL", "2. Person Pl."), ("3PL", "3. Person Pl.")]
KASUS_SG = [("NOMSG", "Nominativ"), ("GENSG", "Genitiv"), ("DATSG", "Dativ"),
            ("AKKSG", "Akkusativ"), ("ABLSG", "Ablativ")]
KASUS_PL = [("NOMPL", "Nominativ"), ("GENPL", "Genitiv"), ("DATPL", "Dativ"),
            ("AKKPL", "Akkusativ"), ("ABLPL", "Ablativ")]
GENERA = [("MAS", "maskulinum"), ("FEM", "femininum"), ("NEU", "neutrum")]

TABELLE_AUF = '<TABLE class="formen" width="100%" border="1" cellspacing="0" cellpadding="3">'


def form(schluessel):
    return "<!-- #Form(%s) -->" % schluessel


def zelle(schluessel):
    # One placeholder per line: the marker pattern is greedy, so two markers
    # on one line would be read as one.
    return '<TD class="latein">%s</TD>' % form(schluessel)


def kopfzeile(*spalten):
    return "<TR>" + "".join("<TH>%s</TH>" % s for s in spalten) + "</TR>"


def anker_titel(name, titel=None):
    # The anchor wraps the heading text: QTextBrowser drops an empty anchor
    # that stands before a block, and the jump would go nowhere.
    return '<H2><A name="%s">%s</A></H2>' % (name, titel or name)


def personen_tabelle(spalten):
    """spalten: list of (heading, keyword prefix)."""
    z = [TABELLE_AUF, kopfzeile("", *[s[0] for s in spalten])]
    for k, name in PERSONEN:
        z.append('<TR><TD class="kasus" width="22%%">%s</TD>' % name)
        for _, praefix in spalten:
            z.append(zelle(praefix + " " + k))
        z.append("</TR>")
    z.append("</TABLE>")
    return "\n".join(z)


def kasus_tabelle(spalten, erste="Kasus"):
    """Ten cases in Singular and Plural groups; spalten: (heading, prefix)."""
    z = [TABELLE_AUF, kopfzeile(erste, *[s[0] for s in spalten])]
    for gruppe, kasus in (("Singular", KASUS_SG), ("Plural", KASUS_PL)):
        z.append('<TR class="gruppe"><TD colspan="%d">%s</TD></TR>' % (len(spalten) + 1, gruppe))
        for k, name in kasus:
            z.append('<TR><TD class="kasus" width="22%%">%s</TD>' % name)
            for _, praefix in spalten:
                z.append(zelle((praefix + " " + k).strip()))
            z.append("</TR>")
    z.append("</TABLE>")
    return "\n".join(z)


def genus_spalten(praefix):
    return [(name, praefix + " " + g) for g, name in GENERA]


def kopf_formentabelle(art):
    return """<H1 class="latein">%s</H1>
<P class="etikett">Formentabelle: %s</P>""" % (form("VOKABEL"), art)


def verb_tabelle(deponens):
    teile = [kopf_formentabelle("Verb (Deponens)" if deponens else "Verb")]
    genera_verbi = [("AKT", "Aktiv")] if deponens else [("AKT", "Aktiv"), ("PAS", "Passiv")]

    teile.append(anker_titel("Indikativ"))
    for gv, gv_name in genera_verbi:
        if not deponens:
            teile.append("<H3>%s</H3>" % gv_name)
        teile.append(personen_tabelle([("Pr&auml;sens", "PRAE IND " + gv), ("Imperfekt", "IMPF IND " + gv),
                                       ("Futur I", "FUT1 IND " + gv)]))
        teile.append("<BR>")
        teile.append(personen_tabelle([("Perfekt", "PERF IND " + gv), ("Plusquamperfekt", "PQPF IND " + gv),
                                       ("Futur II", "FUT2 IND " + gv)]))

    teile.append(anker_titel("Konjunktiv"))
    for gv, gv_name in genera_verbi:
        if not deponens:
            teile.append("<H3>%s</H3>" % gv_name)
        teile.append(personen_tabelle([("Pr&auml;sens", "PRAE KONJ " + gv), ("Imperfekt", "IMPF KONJ " + gv),
                                       ("Perfekt", "PERF KONJ " + gv), ("Plusquamperfekt", "PQPF KONJ " + gv)]))

    teile.append(anker_titel("Imperativ"))
    z = [TABELLE_AUF, kopfzeile("", "Imperativ I", "Imperativ II")]
    zeilen = [("2. Person Sg.", "IMP1 2SG", "IMP2 2SG"), ("3. Person Sg.", None, "IMP2 3SG"),
              ("2. Person Pl.", "IMP1 2PL", None if deponens else "IMP2 2PL"), ("3. Person Pl.", None, "IMP2 3PL")]
    for name, i1, i2 in zeilen:
        z.append('<TR><TD class="kasus" width="22%%">%s</TD>' % name)
        for k in (i1, i2):
            z.append(zelle(k) if k else "<TD>&nbsp;</TD>")
        z.append("</TR>")
    z.append("</TABLE>")
    teile.append("\n".join(z))

    teile.append(anker_titel("Infinitive"))
    z = [TABELLE_AUF, kopfzeile("", *[n for _, n in genera_verbi])]
    for t, name in (("PRAE", "Pr&auml;sens"), ("PERF", "Perfekt"), ("FUT1", "Futur")):
        z.append('<TR><TD class="kasus" width="22%%">%s</TD>' % name)
        for gv, _ in genera_verbi:
            z.append(zelle("INF %s %s" % (t, gv)))
        z.append("</TR>")
    z.append("</TABLE>")
    teile.append("\n".join(z))

    teile.append(anker_titel("Partizipien"))
    partizipien = [("Partizip Pr&auml;sens Aktiv", "PAR PRAE AKT"), ("Partizip Futur Aktiv", "PAR FUT1 AKT")]
    if deponens:
        partizipien.append(("Partizip Perfekt Aktiv", "PAR PERF AKT"))
    else:
        partizipien.append(("Partizip Perfekt Passiv", "PAR PERF PAS"))
    for name, praefix in partizipien:
        teile.append("<H3>%s</H3>" % name)
        teile.append(kasus_tabelle(genus_spalten(praefix)))

    teile.append(anker_titel("Gerundium"))
    z = [TABELLE_AUF, kopfzeile("Kasus", "Form")]
    for k, name in KASUS_SG:
        z.append('<TR><TD class="kasus" width="22%%">%s</TD>' % name)
        z.append(zelle("GRN " + k))
        z.append("</TR>")
    z.append("</TABLE>")
    teile.append("\n".join(z))

    teile.append(anker_titel("Gerundivum"))
    teile.append(kasus_tabelle(genus_spalten("GER")))

    if not deponens:
        teile.append(anker_titel("Supinum"))
        z = [TABELLE_AUF, kopfzeile("", "Form")]
        for k, name in (("SUP1", "Supinum I"), ("SUP2", "Supinum II")):
            z.append('<TR><TD class="kasus" width="22%%">%s</TD>' % name)
            z.append(zelle(k))
            z.append("</TR>")
        z.append("</TABLE>")
        teile.append("\n".join(z))
    return seite("Formentabelle", "\n".join(teile))


def nomen_tabelle(art):
    teile = [kopf_formentabelle(art), anker_titel("Deklination")]
    z = [TABELLE_AUF, kopfzeile("Kasus", "Singular", "Plural")]
    for (ks, name), (kp, _) in zip(KASUS_SG, KASUS_PL):
        z.append('<TR><TD class="kasus" width="22%%">%s</TD>' % name)
        z.append(zelle(ks))
        z.append(zelle(kp))
        z.append("</TR>")
    z.append("</TABLE>")
    teile.append("\n".join(z))
    return seite("Formentabelle", "\n".join(teile))


def adjektiv_tabelle():
    teile = [kopf_formentabelle("Adjektiv")]
    for grad, name in (("POS", "Positiv"), ("KOM", "Komparativ"), ("SUP", "Superlativ")):
        teile.append(anker_titel(name))
        teile.append(kasus_tabelle(genus_spalten(grad)))
    teile.append(anker_titel("Adverb"))
    z = [TABELLE_AUF, kopfzeile("Steigerungsstufe", "Form")]
    for grad, name in (("POS", "Positiv"), ("KOM", "Komparativ"), ("SUP", "Superlativ")):
        z.append('<TR><TD class="kasus" width="22%%">%s</TD>' % name)
        z.append(zelle("ADV " + grad))
        z.append("</TR>")
    z.append("</TABLE>")
    teile.append("\n".join(z))
    return seite("Formentabelle", "\n".join(teile))


# ---------------------------------------------------------------- printed test

TEST = seite("Vokabeltest", """
<H1>Vokabeltest</H1>
<TABLE width="100%" border="0" cellspacing="0" cellpadding="2">
<TR><TD width="60" valign="bottom" class="etikett">Name:</TD><TD width="45%" valign="bottom"><HR noshade></TD>
<TD width="30">&nbsp;</TD><TD width="60" valign="bottom" class="etikett">Datum:</TD><TD valign="bottom"><HR noshade></TD></TR>
</TABLE>
<P class="klein"><!-- #Anweisung --></P>
<!-- #VokabelAnfang -->
<TABLE width="100%" border="0" cellspacing="0" cellpadding="2">
<TR>
<TD width="32" valign="top" class="nr"><!-- #Nr -->.</TD>
<TD valign="top">
<TABLE width="100%" border="0" cellspacing="0" cellpadding="2">
<TR><TD colspan="2"><B class="latein"><!-- #Vokabel --></B></TD></TR>
<TR><TD rowspan="2" valign="top" width="150"><I>Bedeutung:</I></TD><TD>&nbsp;</TD></TR>
<TR><TD width="100%"><HR noshade></TD></TR>
<!-- #Formen -->
<!-- #KonjDekl -->
</TABLE>
</TD>
</TR>
</TABLE>
<!-- #VokabelEnde -->
""")


def test_block(zeilen):
    z = []
    for label, hinweis in zeilen:
        z.append('<TR><TD rowspan="2" valign="top"><I>%s</I></TD><TD class="klein">%s</TD></TR>'
                 '<TR><TD width="100%%"><HR noshade></TD></TR>' % (label, hinweis or "&nbsp;"))
    return "\n".join(z) + "\n"


TEST_VERB = test_block([("Konjugation:", "a-, e-, i-, konsonantische oder gemischte Konjugation")])
TEST_SUBSTANTIV = test_block([("Deklination:", "a-, e-, i-, o-, u-, konsonantische oder gemischte Deklination"),
                              ("Genus:", "maskulinum, femininum oder neutrum")])
TEST_ADJEKTIV = test_block([("Deklination:", "o/a-Deklination oder i-Deklination")])


def main():
    os.makedirs(ZIEL, exist_ok=True)
    schreiben("vokabel.htm", VOKABEL)
    schreiben("analyse.htm", ANALYSE)
    schreiben("drucken_v_Standard.htm", druck([DRUCK_VOKABELN]))
    schreiben("drucken_t_Standard.htm", druck([DRUCK_TEXT]))
    schreiben("drucken_vt_Standard.htm", druck([DRUCK_VOKABELN, DRUCK_TEXT]))
    schreiben("drucken_tv_Standard.htm", druck([DRUCK_TEXT, DRUCK_VOKABELN]))
    schreiben("drucken_verb.htm", BLOCK_VERB)
    schreiben("drucken_substantiv.htm", BLOCK_SUBSTANTIV)
    schreiben("drucken_adjektiv.htm", BLOCK_ADJEKTIV)
    schreiben("drucken_vokabel.htm", BLOCK_VOKABEL)
    schreiben("tabelle_verb.htm", verb_tabelle(False))
    schreiben("tabelle_deponens.htm", verb_tabelle(True))
    schreiben("tabelle_substantiv.htm", nomen_tabelle("Substantiv"))
    schreiben("tabelle_pronomen.htm", nomen_tabelle("Pronomen"))
    schreiben("tabelle_adjektiv.htm", adjektiv_tabelle())
    schreiben("vokabeltest.htm", TEST)
    schreiben("test_konjdekl_verb.txt", TEST_VERB)
    schreiben("test_konjdekl_substantiv.txt", TEST_SUBSTANTIV)
    schreiben("test_konjdekl_adjektiv.txt", TEST_ADJEKTIV)


if __name__ == "__main__":
    main()
