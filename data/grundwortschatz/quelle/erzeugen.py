#!/usr/bin/env python3
"""Builds the lesson files of the starter textbooks "Grundwortschatz Latein"
and "Aufbauwortschatz Latein".

Reads <book>/quelle/lektion_NN.txt (one entry per line, see README.md) and
writes <book>/<book>_NN.xml for both books; the checks run over both, so an
entry of the second book cannot repeat one of the first. Irregular paradigms live here as tables, so that
compounds (ab-esse, af-ferre, red-ire ...) are derived by prefix and their
special forms cannot drift apart from the simple verb.

Usage: python3 erzeugen.py            (writes the XML files, runs the checks)
       python3 erzeugen.py --pruefen  (checks only, and that the XML files
                                       are exactly what this script writes)
"""

import glob
import os
import re
import sys
import unicodedata
import xml.etree.ElementTree as ET

HIER = os.path.dirname(os.path.abspath(__file__))
DATEN = os.path.dirname(os.path.dirname(HIER))
# (textbook name, folder under data/): the order is the order of import.
BUECHER = [("Grundwortschatz Latein", "grundwortschatz"),
           ("Aufbauwortschatz Latein", "aufbauwortschatz")]

# ---------------------------------------------------------------- codes
WORTART = {"v": 1, "s": 2, "u": 3, "d": 4, "a": 5, "p": 6}
KONJDEKL = {"": 0, "-": 0, "a": 8, "e": 16, "i": 24, "o": 32, "u": 40, "k": 48, "g": 56}
FLAGGE = {"D": 64, "P": 128, "S": 256, "H": 512, "K": 1024}
SPRACHE = {"de": 1, "en": 2, "fr": 3, "es": 4, "it": 5}
GENUS = {"m": 0x20000, "f": 0x40000, "n": 0x60000, "p": 0x800000}
GEN3 = {"m": 0x20000, "f": 0x40000, "n": 0x60000}
KASUS = ["nom.sg", "gen.sg", "dat.sg", "akk.sg", "abl.sg",
         "nom.pl", "gen.pl", "dat.pl", "akk.pl", "abl.pl"]


def ohne_laengen(text):
    """The text without macrons and breves: the special forms and the checks
    work on the plain spelling, as the program's look-up keys do."""
    zerlegt = unicodedata.normalize("NFD", text)
    return unicodedata.normalize("NFC", "".join(c for c in zerlegt if c not in "\u0304\u0306"))


def kasus_id(name):
    return (KASUS.index(name) + 1) << 13


POSITIV, KOMPARATIV, SUPERLATIV, ADVERB = 0x80000, 0x100000, 0x180000, 0x200000
# tense offsets of the finite blocks
PRAES, IMPF, FUT1 = 8, 16, 24
AKT_IND, AKT_KONJ, PASS_IND, PASS_KONJ = 0x140, 0x180, 0x240, 0x280


def block(basis, tempus, formen):
    """Six persons of one finite block -> {fid: text}; None skips a person."""
    return {basis + tempus + i + 1: f for i, f in enumerate(formen) if f is not None}


def zehn(basis, formen):
    """Ten case forms -> {basis + case: text}."""
    return {basis + ((i + 1) << 13): f for i, f in enumerate(formen) if f is not None}


def o_a_endungen(stamm, g):
    end = {"m": ["us", "i", "o", "um", "o", "i", "orum", "is", "os", "is"],
           "f": ["a", "ae", "ae", "am", "a", "ae", "arum", "is", "as", "is"],
           "n": ["um", "i", "o", "um", "o", "a", "orum", "is", "a", "is"]}[g]
    return [stamm + e for e in end]


def partizip_futur(stamm, mit_infinitiv=True):
    """Future active participle from a stem such as 'futur' (+ its infinitive)."""
    sf = {}
    for g, wert in GEN3.items():
        sf.update(zehn(wert + 0x518, o_a_endungen(stamm, g)))
    if mit_infinitiv:
        sf[0x918] = stamm + "um esse"
    return sf


def partizip_praesens(nom, stamm):
    """Present participle of the i-type: nom 'volens', stem 'volent'."""
    sf = {}
    for g, wert in GEN3.items():
        n = g == "n"
        sf.update(zehn(wert + 0x508, [
            nom, stamm + "is", stamm + "i", nom if n else stamm + "em", stamm + "e",
            stamm + ("ia" if n else "es"), stamm + "ium", stamm + "ibus",
            stamm + ("ia" if n else "es"), stamm + "ibus"]))
    return sf


def gerundivum(stamm):
    sf = {}
    for g, wert in GEN3.items():
        sf.update(zehn(wert + 0xC00, o_a_endungen(stamm, g)))
    return sf


# ---------------------------------------------------- irregular verbs
ESSE = {
    (AKT_IND, PRAES): ["sum", "es", "est", "sumus", "estis", "sunt"],
    (AKT_IND, IMPF): ["eram", "eras", "erat", "eramus", "eratis", "erant"],
    (AKT_IND, FUT1): ["ero", "eris", "erit", "erimus", "eritis", "erunt"],
    (AKT_KONJ, PRAES): ["sim", "sis", "sit", "simus", "sitis", "sint"],
}
ESSE_IMP = {202: "es", 205: "este", 210: "esto", 211: "esto", 213: "estote", 214: "sunto"}


def vor(praefix, form):
    # pro- keeps its old d before a vowel: prodes, prodest, proderam
    if praefix == "pro" and form[0] in "ae":
        return "prod" + form
    return praefix + form


def sf_esse(e, praefix):
    sf = {}
    for (basis, tempus), formen in ESSE.items():
        sf.update(block(basis, tempus, [vor(praefix, f) for f in formen]))
    for fid, f in ESSE_IMP.items():
        sf[fid] = vor(praefix, f)
    # future participle from the perfect: fui -> futurus, afui -> afuturus
    sf.update(partizip_futur(ohne_laengen(e["form2"])[:-1] + "tur"))
    return sf


def sf_posse(e, arg):
    sf = {}
    sf.update(block(AKT_IND, PRAES, ["possum", "potes", "potest", "possumus", "potestis", "possunt"]))
    sf.update(block(AKT_IND, IMPF, ["pot" + f for f in ESSE[(AKT_IND, IMPF)]]))
    sf.update(block(AKT_IND, FUT1, ["pot" + f for f in ESSE[(AKT_IND, FUT1)]]))
    sf.update(block(AKT_KONJ, PRAES, ["pos" + f for f in ESSE[(AKT_KONJ, PRAES)]]))
    return sf


IRE = {
    (AKT_IND, PRAES): ["eo", "is", "it", "imus", "itis", "eunt"],
    (AKT_IND, IMPF): ["ibam", "ibas", "ibat", "ibamus", "ibatis", "ibant"],
    (AKT_IND, FUT1): ["ibo", "ibis", "ibit", "ibimus", "ibitis", "ibunt"],
    (AKT_KONJ, PRAES): ["eam", "eas", "eat", "eamus", "eatis", "eant"],
}
IRE_PASS = {
    (PASS_IND, PRAES): ["eor", "iris", "itur", "imur", "imini", "euntur"],
    (PASS_IND, IMPF): ["ibar", "ibaris", "ibatur", "ibamur", "ibamini", "ibantur"],
    (PASS_IND, FUT1): ["ibor", "iberis", "ibitur", "ibimur", "ibimini", "ibuntur"],
    (PASS_KONJ, PRAES): ["ear", "earis", "eatur", "eamur", "eamini", "eantur"],
    (PASS_KONJ, IMPF): ["irer", "ireris", "iretur", "iremur", "iremini", "irentur"],
}
IRE_IMP = {202: "i", 205: "ite", 210: "ito", 211: "ito", 213: "itote", 214: "eunto"}
# the perfect ii is regular, but school grammar teaches the contracted forms
IRE_KONTRAHIERT = {354: "isti", 357: "istis", 2336: "isse", 425: "issem", 426: "isses",
                   427: "isset", 428: "issemus", 429: "issetis", 430: "issent"}


def sf_ire(e, praefix):
    sf = {}
    for (basis, tempus), formen in IRE.items():
        sf.update(block(basis, tempus, [praefix + f for f in formen]))
    for fid, f in list(IRE_IMP.items()) + list(IRE_KONTRAHIERT.items()):
        sf[fid] = praefix + f
    sf.update(partizip_praesens(praefix + "iens", praefix + "eunt"))
    sf.update({0x5000: praefix + "eundi", 0x7000: praefix + "eundo",
               0x9000: praefix + "eundum", 0xB000: praefix + "eundo"})
    return sf


def sf_ire_passiv(e, praefix):
    """Transitive compounds (adire, inire, transire) have a passive."""
    sf = {}
    for (basis, tempus), formen in IRE_PASS.items():
        sf.update(block(basis, tempus, [praefix + f for f in formen]))
    sf[0xA08] = praefix + "iri"
    sf.update(gerundivum(praefix + "eund"))
    return sf


def sf_ferre(e, praefix):
    f = {330: "fers", 331: "fert", 333: "fertis",
         586: "ferris", 587: "fertur",
         202: "fer", 205: "ferte", 210: "ferto", 211: "ferto", 213: "fertote",
         0xA08: "ferri"}
    f.update(block(PASS_KONJ, IMPF, ["ferrer", "ferreris", "ferretur", "ferremur",
                                    "ferremini", "ferrentur"]))
    return {fid: praefix + t for fid, t in f.items()}


def sf_velle(e, arg):
    sf = {}
    sf.update(block(AKT_IND, PRAES, ["volo", "vis", "vult", "volumus", "vultis", "volunt"]))
    sf.update(block(AKT_IND, IMPF, ["vole" + x for x in ["bam", "bas", "bat", "bamus", "batis", "bant"]]))
    sf.update(block(AKT_IND, FUT1, ["vol" + x for x in ["am", "es", "et", "emus", "etis", "ent"]]))
    sf.update(block(AKT_KONJ, PRAES, ["vel" + x for x in ["im", "is", "it", "imus", "itis", "int"]]))
    sf.update(partizip_praesens("volens", "volent"))
    return sf


def sf_nolle(e, arg):
    sf = {}
    sf.update(block(AKT_IND, PRAES, ["nolo", "non vis", "non vult", "nolumus", "non vultis", "nolunt"]))
    sf.update(block(AKT_IND, IMPF, ["nole" + x for x in ["bam", "bas", "bat", "bamus", "batis", "bant"]]))
    sf.update(block(AKT_IND, FUT1, ["nol" + x for x in ["am", "es", "et", "emus", "etis", "ent"]]))
    sf.update(block(AKT_KONJ, PRAES, ["nol" + x for x in ["im", "is", "it", "imus", "itis", "int"]]))
    sf.update({202: "noli", 205: "nolite", 210: "nolito", 211: "nolito", 213: "nolitote",
               214: "nolunto"})
    sf.update(partizip_praesens("nolens", "nolent"))
    return sf


def sf_malle(e, arg):
    sf = {}
    sf.update(block(AKT_IND, PRAES, ["malo", "mavis", "mavult", "malumus", "mavultis", "malunt"]))
    sf.update(block(AKT_IND, IMPF, ["male" + x for x in ["bam", "bas", "bat", "bamus", "batis", "bant"]]))
    sf.update(block(AKT_IND, FUT1, ["mal" + x for x in ["am", "es", "et", "emus", "etis", "ent"]]))
    sf.update(block(AKT_KONJ, PRAES, ["mal" + x for x in ["im", "is", "it", "imus", "itis", "int"]]))
    return sf


def sf_fieri(e, arg):
    # fio is conjugated like audio; only the imperfect subjunctive keeps the e
    sf = block(AKT_KONJ, IMPF, ["fier" + x for x in ["em", "es", "et", "emus", "etis", "ent"]])
    sf[0x920] = "factum esse"
    sf.update(partizip_futur("futur"))
    return sf


def sf_facere(e, arg):
    # the passive of the present system of facere is fieri
    sf = {}
    sf.update(block(PASS_IND, PRAES, ["fio", "fis", "fit", "fimus", "fitis", "fiunt"]))
    sf.update(block(PASS_IND, IMPF, ["fie" + x for x in ["bam", "bas", "bat", "bamus", "batis", "bant"]]))
    sf.update(block(PASS_IND, FUT1, ["fi" + x for x in ["am", "es", "et", "emus", "etis", "ent"]]))
    sf.update(block(PASS_KONJ, PRAES, ["fi" + x for x in ["am", "as", "at", "amus", "atis", "ant"]]))
    sf.update(block(PASS_KONJ, IMPF, ["fier" + x for x in ["em", "es", "et", "emus", "etis", "ent"]]))
    sf[0xA08] = "fieri"
    sf[202] = "fac"
    return sf


def sf_pfa(e, stamm):
    return partizip_futur(stamm)


# ------------------------------------------------------------ pronouns
# Ten cases each; "m" rows go to the plain case identifiers (the generator's
# own pronoun forms), "f" and "n" rows carry the gender bits as well.
PRONOMEN = {
    "ego": {"": [None, "mei", "mihi", "me", "me"]},
    "tu": {"": [None, "tui", "tibi", "te", "te"]},
    "nos": {"": [None] * 5 + ["nos", "nostri", "nobis", "nos", "nobis"]},
    "vos": {"": [None] * 5 + ["vos", "vestri", "vobis", "vos", "vobis"]},
    "sui": {"": [None, "sui", "sibi", "se", "se", None, "sui", "sibi", "se", "se"]},
    "is": {"m": [None, "eius", "ei", "eum", "eo", "ei", "eorum", "eis", "eos", "eis"],
           "f": ["ea", "eius", "ei", "eam", "ea", "eae", "earum", "eis", "eas", "eis"],
           "n": ["id", "eius", "ei", "id", "eo", "ea", "eorum", "eis", "ea", "eis"]},
    "hic": {"m": [None, "huius", "huic", "hunc", "hoc", "hi", "horum", "his", "hos", "his"],
            "f": ["haec", "huius", "huic", "hanc", "hac", "hae", "harum", "his", "has", "his"],
            "n": ["hoc", "huius", "huic", "hoc", "hoc", "haec", "horum", "his", "haec", "his"]},
    "idem": {"m": [None, "eiusdem", "eidem", "eundem", "eodem", "iidem", "eorundem", "eisdem", "eosdem", "eisdem"],
             "f": ["eadem", "eiusdem", "eidem", "eandem", "eadem", "eaedem", "earundem", "eisdem", "easdem", "eisdem"],
             "n": ["idem", "eiusdem", "eidem", "idem", "eodem", "eadem", "eorundem", "eisdem", "eadem", "eisdem"]},
    "qui": {"m": [None, "cuius", "cui", "quem", "quo", "qui", "quorum", "quibus", "quos", "quibus"],
            "f": ["quae", "cuius", "cui", "quam", "qua", "quae", "quarum", "quibus", "quas", "quibus"],
            "n": ["quod", "cuius", "cui", "quod", "quo", "quae", "quorum", "quibus", "quae", "quibus"]},
    "quis": {"m": [None, "cuius", "cui", "quem", "quo", "qui", "quorum", "quibus", "quos", "quibus"],
             "f": [None] * 5 + ["quae", "quarum", "quibus", "quas", "quibus"],
             "n": ["quid", "cuius", "cui", "quid", "quo", "quae", "quorum", "quibus", "quae", "quibus"]},
    "aliquis": {"m": [None, "alicuius", "alicui", "aliquem", "aliquo", "aliqui", "aliquorum", "aliquibus", "aliquos", "aliquibus"],
                "f": [None] * 5 + ["aliquae", "aliquarum", "aliquibus", "aliquas", "aliquibus"],
                "n": ["aliquid", "alicuius", "alicui", "aliquid", "aliquo", "aliqua", "aliquorum", "aliquibus", "aliqua", "aliquibus"]},
    "quidam": {"m": [None, "cuiusdam", "cuidam", "quendam", "quodam", "quidam", "quorundam", "quibusdam", "quosdam", "quibusdam"],
               "f": ["quaedam", "cuiusdam", "cuidam", "quandam", "quadam", "quaedam", "quarundam", "quibusdam", "quasdam", "quibusdam"],
               "n": ["quoddam", "cuiusdam", "cuidam", "quoddam", "quodam", "quaedam", "quorundam", "quibusdam", "quaedam", "quibusdam"]},
    "quisque": {"m": [None, "cuiusque", "cuique", "quemque", "quoque", "quique", "quorumque", "quibusque", "quosque", "quibusque"],
                "f": ["quaeque", "cuiusque", "cuique", "quamque", "quaque", "quaeque", "quarumque", "quibusque", "quasque", "quibusque"],
                "n": ["quidque", "cuiusque", "cuique", "quidque", "quoque", "quaeque", "quorumque", "quibusque", "quaeque", "quibusque"]},
    "uterque": {"m": [None, "utriusque", "utrique", "utrumque", "utroque", "utrique", "utrorumque", "utrisque", "utrosque", "utrisque"],
                "f": ["utraque", "utriusque", "utrique", "utramque", "utraque", "utraeque", "utrarumque", "utrisque", "utrasque", "utrisque"],
                "n": ["utrumque", "utriusque", "utrique", "utrumque", "utroque", "utraque", "utrorumque", "utrisque", "utraque", "utrisque"]},
    # quisquam is used in the singular only; quicquam and quidquam both occur
    "quisquam": {"m": [None, "cuiusquam", "cuiquam", "quemquam", "quoquam"],
                 "n": ["quicquam", "cuiusquam", "cuiquam", "quicquam", "quoquam"]},
    "nemo": {"": [None, "nullius", "nemini", "neminem", "nullo"]},
    "nihil": {"": [None, "nullius rei", "nulli rei", "nihil", "nulla re"]},
}


def _ille_art(st, neutr):
    return {"m": [None, st + "ius", st + "i", st + "um", st + "o", st + "i", st + "orum", st + "is", st + "os", st + "is"],
            "f": [st + "a", st + "ius", st + "i", st + "am", st + "a", st + "ae", st + "arum", st + "is", st + "as", st + "is"],
            "n": [neutr, st + "ius", st + "i", neutr, st + "o", st + "a", st + "orum", st + "is", st + "a", st + "is"]}


PRONOMEN["ille"] = _ille_art("ill", "illud")
PRONOMEN["iste"] = _ille_art("ist", "istud")
PRONOMEN["ipse"] = _ille_art("ips", "ipsum")


def sf_pron(e, name):
    sf = {}
    for g, formen in PRONOMEN[name].items():
        sf.update(zehn(GEN3.get(g, 0) if g != "m" else 0, formen))
    return sf


# ------------------------------------------------- adjectives, numbers
def adj_komparativ(stamm, neutr):
    """Comparative of the i-type: stem 'meli', neuter 'melius'."""
    sf = {}
    for g, wert in GEN3.items():
        n = g == "n"
        sf.update(zehn(wert + KOMPARATIV, [
            neutr if n else stamm + "or", stamm + "oris", stamm + "ori",
            neutr if n else stamm + "orem", stamm + "ore",
            stamm + ("ora" if n else "ores"), stamm + "orum", stamm + "oribus",
            stamm + ("ora" if n else "ores"), stamm + "oribus"]))
    return sf


def adj_superlativ(stamm):
    sf = {}
    for g, wert in GEN3.items():
        sf.update(zehn(wert + SUPERLATIV, o_a_endungen(stamm, g)))
    return sf


KOMPARATION = {
    "bonus": ("meli", "melius", "optim", "bene", "melius", "optime"),
    "malus": ("pei", "peius", "pessim", None, "peius", "pessime"),
    "magnus": ("mai", "maius", "maxim", "magnopere", "magis", "maxime"),
    "parvus": ("min", "minus", "minim", "parum", "minus", "minime"),
}


def sf_komp(e, name):
    if name == "multus":
        sf = {}
        plural = ["plures", "plurium", "pluribus", "plures", "pluribus"]
        sf.update(zehn(GEN3["m"] + KOMPARATIV, [None] * 5 + plural))
        sf.update(zehn(GEN3["f"] + KOMPARATIV, [None] * 5 + plural))
        sf.update(zehn(GEN3["n"] + KOMPARATIV, ["plus", "pluris", None, "plus", "plure",
                                                 "plura", "plurium", "pluribus", "plura", "pluribus"]))
        sf.update(adj_superlativ("plurim"))
        sf.update({0x280000: "multum", 0x300000: "plus", 0x380000: "plurimum"})
        return sf
    k, kn, s, a1, a2, a3 = KOMPARATION[name]
    sf = adj_komparativ(k, kn)
    sf.update(adj_superlativ(s))
    for fid, t in ((0x280000, a1), (0x300000, a2), (0x380000, a3)):
        if t:
            sf[fid] = t
    return sf


def sf_sup(e, stamm):
    """Superlative in -limus (facillimus) or other irregular stem."""
    return adj_superlativ(stamm)


def sf_pronadj(e, arg):
    """unus, solus, totus, nullus, ullus, alter: genitive -ius, dative -i."""
    n = ohne_laengen(e["form2"])[:-1]  # bona -> bon
    sf = {}
    for g, wert in GEN3.items():
        sf[wert + POSITIV + kasus_id("gen.sg")] = n + "ius"
        sf[wert + POSITIV + kasus_id("dat.sg")] = n + "i"
    if arg == "alius":
        for wert in GEN3.values():
            sf[wert + POSITIV + kasus_id("gen.sg")] = "alterius"
        sf[GEN3["n"] + POSITIV + kasus_id("akk.sg")] = "aliud"
    return sf


MAKROS = {
    "esse": sf_esse, "posse": sf_posse, "ire": sf_ire, "irepass": sf_ire_passiv,
    "ferre": sf_ferre, "velle": sf_velle, "nolle": sf_nolle, "malle": sf_malle,
    "fieri": sf_fieri, "facere": sf_facere, "pfa": sf_pfa, "pron": sf_pron,
    "komp": sf_komp, "sup": sf_sup, "pronadj": sf_pronadj,
}

VERB_IDS = {"imp1.sg": 202, "imp1.pl": 205, "inf.praes.pass": 0xA08,
            "inf.perf.akt": 0x920, "inf.fut.akt": 0x918}


def einzel_id(e, name):
    """Symbolic identifier of one explicit special form."""
    if re.fullmatch(r"\d+|0x[0-9a-fA-F]+", name):
        return int(name, 0)
    wa = e["wortart"]
    if wa == 2 and name in KASUS:
        return kasus_id(name) + GENUS.get(e["form2"], 0)
    if wa == 6 and name in KASUS:
        return kasus_id(name)
    if wa == 5:
        if name in ("adv", "adv.komp", "adv.sup"):
            return {"adv": 0x280000, "adv.komp": 0x300000, "adv.sup": 0x380000}[name]
        g, k = name.split(".", 1)
        return GEN3[g] + POSITIV + kasus_id(k)
    if wa == 1 and name in VERB_IDS:
        return VERB_IDS[name]
    raise ValueError("unbekannte Form %r bei %s" % (name, e["vokabel"]))


# ------------------------------------------------------------- parsing
def teile_bedeutungen(text):
    """'loben [+ Akk.], preisen; rühmen' -> [(group, [(meaning, remark)])]."""
    gruppen, aktuell, puffer, bemerkung, tiefe = [], [], "", "", 0

    def ende_bedeutung():
        nonlocal puffer, bemerkung
        if puffer.strip() or bemerkung.strip():
            aktuell.append((puffer.strip(), bemerkung.strip()))
        puffer, bemerkung = "", ""

    for ch in text:
        if ch == "[":
            tiefe += 1
            if tiefe == 1:
                continue
        elif ch == "]":
            tiefe -= 1
            if tiefe == 0:
                continue
        if tiefe > 0:
            bemerkung += ch
        elif ch == ",":
            ende_bedeutung()
        elif ch == ";":
            ende_bedeutung()
            if aktuell:
                gruppen.append(aktuell)
            aktuell = []
        else:
            puffer += ch
    ende_bedeutung()
    if aktuell:
        gruppen.append(aktuell)
    return gruppen


def lies_eintrag(zeile, datei, nr):
    felder = [f.strip() for f in zeile.split("|")]
    felder += [""] * (8 - len(felder))
    art, wort, teile, klasse, flaggen, bed, hilfen, sonder = felder[:8]
    if not sonder and re.match(r"@|[\w.]+=", hilfen):
        # special forms written straight after the meanings (no memory aids)
        hilfen, sonder = "", hilfen
    if art not in WORTART:
        raise ValueError("%s:%d: Wortart %r" % (datei, nr, art))
    e = {"datei": datei, "zeile": nr, "vokabel": wort, "wortart": WORTART[art],
         "konjdekl": KONJDEKL[klasse], "flags": 0, "form1": "", "form2": "", "form3": ""}
    for f in flaggen.replace(" ", ""):
        e["flags"] |= FLAGGE[f]
    t = [x.strip() for x in teile.split(",")] if teile else []
    if len(t) > 3:
        raise ValueError("%s:%d: zu viele Stammformen" % (datei, nr))
    for i, x in enumerate(t):
        e["form%d" % (i + 1)] = x
    if e["wortart"] == 5 and e["konjdekl"] == 32 and not t and wort.endswith("us"):
        # bonus -> bonus, bona, bonum: typed once, spelled out here
        e["form1"], e["form2"], e["form3"] = wort, wort[:-2] + "a", wort[:-2] + "um"
    e["bedeutungen"] = teile_bedeutungen(bed)
    e["merkhilfen"] = []
    for h in [x.strip() for x in hilfen.split(",") if x.strip()]:
        spr, txt = h.split(":", 1)
        e["merkhilfen"].append((txt.strip(), SPRACHE[spr.strip()]))
    sf = {}
    for tok in sonder.split():
        if tok.startswith("@"):
            name, _, arg = tok[1:].partition(":")
            sf.update(MAKROS[name](e, arg))
        else:
            name, text = tok.split("=", 1)
            sf[einzel_id(e, name)] = text.replace("_", " ")
    e["sonderformen"] = sf
    e["attribute"] = e["wortart"] | e["konjdekl"] | e["flags"]
    return e


def lies_lektion(pfad):
    name, eintraege, text, notizen = None, [], [], []
    for nr, roh in enumerate(open(pfad, encoding="utf-8"), 1):
        zeile = roh.rstrip("\n")
        if not zeile.strip() or zeile.lstrip().startswith("#"):
            continue
        if zeile.startswith("@lektion "):
            name = zeile[len("@lektion "):].strip()
        elif zeile.startswith("@notiz "):
            notizen.append(zeile[len("@notiz "):].strip())
        elif zeile.startswith(">"):
            text.append(zeile[1:].strip())
        else:
            eintraege.append(lies_eintrag(zeile, os.path.basename(pfad), nr))
    return {"name": name, "eintraege": eintraege, "text": text, "notizen": notizen}


# ------------------------------------------------------------- writing
def esc(s):
    return (s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("\r", "&#13;"))


def vok_xml(e):
    z = ["    <VOK>", "      <NAME>%s</NAME>" % esc(e["vokabel"])]
    for g, gruppe in enumerate(e["bedeutungen"], 1):
        for p, (wort, kom) in enumerate(gruppe, 1):
            z.append("      <BED>")
            z.append("        <WORT>%s</WORT>" % esc(wort))
            if kom:
                z.append("        <KOMMENTAR>%s</KOMMENTAR>" % esc(kom))
            z.append("        <GRUPPE>%d</GRUPPE>" % g)
            z.append("        <POS>%d</POS>" % p)
            z.append("      </BED>")
    for i in (1, 2, 3):
        if e["form%d" % i]:
            z.append("      <FORM%d>%s</FORM%d>" % (i, esc(e["form%d" % i]), i))
    z.append("      <WORTART>%d</WORTART>" % e["wortart"])
    if e["konjdekl"]:
        z.append("      <KONJDEKL>%d</KONJDEKL>" % e["konjdekl"])
    if e["attribute"]:
        z.append("      <ATTRIBUTE>%d</ATTRIBUTE>" % e["attribute"])
    for txt, spr in e["merkhilfen"]:
        z.append('      <MERKHILFE sprache="%d">%s</MERKHILFE>' % (spr, esc(txt)))
    for fid in sorted(e["sonderformen"]):
        z.append('      <SF fid="%d">%s</SF>' % (fid, esc(e["sonderformen"][fid])))
    z.append("    </VOK>")
    return z


def lektion_xml(lek, buch):
    z = ['<?xml version="1.0" encoding="UTF-8"?>', "<LEXOVITA>",
         '  <BUCH name="%s">' % esc(buch), '    <LEKTION name="%s">' % esc(lek["name"])]
    for e in lek["eintraege"]:
        z.extend("  " + x for x in vok_xml(e))
    if lek["text"]:
        z.append("      <TEXT>%s</TEXT>" % esc("\r\n".join(lek["text"])))
    if lek["notizen"]:
        z.append("      <NOTIZEN>%s</NOTIZEN>" % esc("\r\n".join(lek["notizen"])))
    z += ["    </LEKTION>", "  </BUCH>", "</LEXOVITA>", ""]
    return "\n".join(z)


# -------------------------------------------------------------- checks
def pruefen(lektionen):
    fehler = []
    gesehen = {}
    for lek in lektionen:
        if not lek["name"]:
            fehler.append("Lektion ohne Namen")
        for markiert in lek["eintraege"]:
            wo = "%s:%d %s" % (markiert["datei"], markiert["zeile"], markiert["vokabel"])
            # The checks see the plain spelling: amō ends in -o, and a headword
            # marked once and once not is still the same word.
            e = dict(markiert)
            for feld in ("vokabel", "form1", "form2", "form3"):
                e[feld] = ohne_laengen(e[feld])
            # Homographs (edere "essen", edere "herausgeben") differ in
            # their principal parts; the import keeps them apart the same way.
            schluessel = (e["vokabel"].lower(), e["wortart"], e["form1"].lower(),
                          e["form2"].lower(), e["form3"].lower())
            if schluessel in gesehen:
                fehler.append("%s: doppelt (schon %s)" % (wo, gesehen[schluessel]))
            gesehen[schluessel] = wo
            if not e["bedeutungen"] or any(not w for g in e["bedeutungen"] for w, _ in g):
                fehler.append("%s: Bedeutung fehlt" % wo)
            wa, kd, fl = e["wortart"], e["konjdekl"], e["flags"]
            unregelmaessig = bool(e["sonderformen"])
            if wa == 1:
                if not e["form1"] or not e["form2"]:
                    fehler.append("%s: Stammformen fehlen" % wo)
                if kd == 0 and not unregelmaessig:
                    fehler.append("%s: Konjugation fehlt" % wo)
                if fl & (64 | 512):
                    if not e["form2"].endswith(" sum") or e["form3"]:
                        fehler.append("%s: Deponens-Stammformen" % wo)
                elif e["form2"].endswith(" sum"):
                    fehler.append("%s: Perfekt mit sum ohne Deponens" % wo)
                if kd in (8,) and not fl & 64 and not e["form1"].endswith("o"):
                    fehler.append("%s: 1. Sg. auf -o erwartet" % wo)
                if fl & 64 and not e["form1"].endswith("or"):
                    fehler.append("%s: Deponens ohne -or" % wo)
            elif wa == 2:
                if not e["form1"] or e["form2"] not in GENUS:
                    fehler.append("%s: Genitiv/Genus fehlt" % wo)
                if kd == 0:
                    fehler.append("%s: Deklination fehlt" % wo)
            elif wa == 5:
                if kd not in (24, 32):
                    fehler.append("%s: Adjektivklasse" % wo)
                elif kd == 32 and fl & 128:
                    if not (e["form1"] == e["vokabel"] and e["form1"].endswith("i")
                            and e["form2"].endswith("ae") and e["form3"].endswith("a")):
                        fehler.append("%s: o/a-Formen im Plural" % wo)
                elif kd == 32 and not (e["form2"].endswith("a") and e["form3"]):
                    fehler.append("%s: o/a-Formen" % wo)
                elif kd == 24 and not (e["form1"] and (e["form3"] or not e["form2"])):
                    fehler.append("%s: i-Formen" % wo)
            if e["form3"] and wa == 1 and not fl & 64 and not (e["form3"].endswith("um")):
                fehler.append("%s: PPP auf -um erwartet" % wo)
    return fehler


def xml_dateien(dateien, lektionen, buch, ordner):
    """Target path -> file content (bytes) of every lesson file of a book."""
    inhalt = {}
    for pfad, lek in zip(dateien, lektionen):
        nummer = re.search(r"(\d+)", os.path.basename(pfad)).group(1)
        ziel = os.path.join(DATEN, ordner, "%s_%s.xml" % (ordner, nummer))
        inhalt[ziel] = lektion_xml(lek, buch).encode("utf-8")
    return inhalt


def vorhandene(ordner):
    return glob.glob(os.path.join(DATEN, ordner, "%s_*.xml" % ordner))


def veraltet(inhalt, ordner):
    """Names of the lesson files on disk that differ from what would be
    written, are missing, or have no source any more."""
    vorhanden = set(vorhandene(ordner))
    abweichend = []
    for ziel in sorted(vorhanden | set(inhalt)):
        name = os.path.basename(ziel)
        if ziel not in inhalt:
            abweichend.append("%s (keine Quelle)" % name)
        elif ziel not in vorhanden:
            abweichend.append("%s (fehlt)" % name)
        else:
            with open(ziel, "rb") as f:
                if f.read() != inhalt[ziel]:
                    abweichend.append(name)
    return abweichend


def main():
    nur_pruefen = "--pruefen" in sys.argv
    buecher = []
    for buch, ordner in BUECHER:
        dateien = sorted(glob.glob(os.path.join(DATEN, ordner, "quelle", "lektion_*.txt")))
        buecher.append((buch, ordner, dateien, [lies_lektion(p) for p in dateien]))
    # One check over both books: the second must not repeat the first.
    fehler = pruefen([lek for _, _, _, lektionen in buecher for lek in lektionen])
    for f in fehler:
        print("FEHLER:", f)
    abweichend = []
    for buch, ordner, dateien, lektionen in buecher:
        anzahl = sum(len(l["eintraege"]) for l in lektionen)
        sf = sum(len(e["sonderformen"]) for l in lektionen for e in l["eintraege"])
        inhalt = xml_dateien(dateien, lektionen, buch, ordner)
        if nur_pruefen:
            # The XML is generated: a file that differs was edited by hand or
            # not regenerated after a change of the sources or of this script.
            falsch = veraltet(inhalt, ordner)
            if falsch:
                print("FEHLER: Diese Lektionsdateien passen nicht zu den Quellen; "
                      "bitte mit \"python3 grundwortschatz/quelle/erzeugen.py\" neu erzeugen:")
                for name in falsch:
                    print("  " + name)
            abweichend += falsch
            for pfad in sorted(vorhandene(ordner)):
                ET.parse(pfad)  # raises on a file that is not well-formed
        else:
            for alt in vorhandene(ordner):
                os.remove(alt)
            for (ziel, daten), lek in zip(inhalt.items(), lektionen):
                with open(ziel, "wb") as f:
                    f.write(daten)
                wurzel = ET.parse(ziel).getroot()
                assert wurzel.tag == "LEXOVITA" and wurzel[0].tag == "BUCH"
                assert len(wurzel.findall("./BUCH/LEKTION/VOK")) == len(lek["eintraege"])
        print("%s: %d Lektionen, %d Einträge, %d Sonderformen" % (buch, len(lektionen), anzahl, sf))
    return 1 if fehler or abweichend else 0


if __name__ == "__main__":
    sys.exit(main())
