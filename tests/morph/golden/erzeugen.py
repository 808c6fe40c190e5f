#!/usr/bin/env python3
"""Writes the golden paradigm files (*.tsv) of the form generator tests.

An independent re-statement of the generation rules, written without looking
at the C++ generator, so that both can be checked against each other. Every
file holds the union of the forms produced for each selector of the entry's
category tree (grammatical categories), with stored special forms applied.

Run from anywhere:  python3 tests/morph/golden/erzeugen.py
The hand-typed Latin checks at the end (HANDPRUEFUNG) stop the script when a
generated form disagrees with real Latin and is not listed as a known
difference of the rules.
"""
import json
import os
import sys

HIER = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------- identifiers
PERSON = {1: "1. Prs. Sg.", 2: "2. Prs. Sg.", 3: "3. Prs. Sg.",
          4: "1. Prs. Pl.", 5: "2. Prs. Pl.", 6: "3. Prs. Pl."}
PRAE, IMPF, FUT1, PERF, PQPF, FUT2 = 8, 16, 24, 32, 40, 48
TEMPUS = {PRAE: "Präsens", IMPF: "Imperfekt", FUT1: "Futur 1",
          PERF: "Perfekt", PQPF: "Plusquamperfekt", FUT2: "Futur 2"}
IND, KONJ, IMP = 0x40, 0x80, 0xC0
MODUS = {IND: "Indikativ", KONJ: "Konjunktiv"}
AKT, PAS = 0x100, 0x200
PARTIZIP, INFINITIV, GERUNDIVUM, GERUNDIUM, SUPINUM = 0x400, 0x800, 0xC00, 0x1000, 0x1400
KASUS = ["Nominativ Sg.", "Genitiv Sg.", "Dativ Sg.", "Akkusativ Sg.", "Ablativ Sg.",
         "Nominativ Pl.", "Genitiv Pl.", "Dativ Pl.", "Akkusativ Pl.", "Ablativ Pl."]
MASK, FEM, NEUT = 0x20000, 0x40000, 0x60000
GENUSWORT = {MASK: "maskulinum", FEM: "femininum", NEUT: "neutrum"}
POS, KOMP, SUP = 0x80000, 0x100000, 0x180000
ADVERB = 0x200000
KURZ = 0x400000
MF = 0x800000

FLAG_DEP, FLAG_PLT, FLAG_SGT, FLAG_SEMI, FLAG_KP = 64, 128, 256, 512, 1024
KLASSE = {"a": 8, "e": 16, "i": 24, "o": 32, "u": 40, "k": 48, "g": 56}


def fid(modus, stimme, tempus, person):
    m = {"ind": IND, "konj": KONJ}[modus]
    v = {"akt": AKT, "pas": PAS}[stimme]
    t = {"prae": PRAE, "impf": IMPF, "fut1": FUT1, "perf": PERF, "pqpf": PQPF, "fut2": FUT2}[tempus]
    return person + t + m + v


def kasus_id(k):          # k = 1..10
    return k << 13


def cut(s, n):
    return s[:-n] if n <= len(s) else ""


class Eintrag:
    def __init__(self, d):
        self.d = d
        self.vokabel = d["vokabel"]
        self.form1, self.form2, self.form3 = d["form1"], d["form2"], d["form3"]
        self.wortart = d["wortart"]
        self.klasse = KLASSE.get(d["konjdekl"], 0)
        a = d["attribute"]
        self.D = bool(a & FLAG_DEP)
        self.PLT = bool(a & FLAG_PLT)
        self.SGT = bool(a & FLAG_SGT)
        self.S = bool(a & FLAG_SEMI)
        self.KP = bool(a & FLAG_KP)
        self.sonderformen = {fid: txt for fid, txt in d.get("sonderformen", [])}

    # stems -----------------------------------------------------------------
    def P(self):
        if self.wortart != "v" or not self.form1 or self.klasse not in (8, 16, 24, 48, 56):
            return ""
        n = 2 if self.D else 1
        return cut(self.form1, n) + ("a" if self.klasse == 8 else "")

    def R(self):
        if self.wortart != "v" or self.D:
            return ""
        return cut(self.form2, 1)

    def U(self):
        if self.wortart != "v":
            return ""
        s = self.form2 if (self.D or self.S) else self.form3
        if s.endswith(" sum"):
            s = s[:-4]
        if s.endswith("um"):
            return s[:-2] + "u"
        if s.endswith("a"):
            return s[:-1] + "u"
        if s.endswith("us"):
            return s[:-2] + "u"
        return s

    def N(self):
        if self.wortart == "a":
            if self.klasse in (32, 8):
                if self.form2.endswith("a"):
                    return self.form2[:-1]
                if self.form2.endswith("is"):
                    return self.form2[:-2]
                return ""
            if self.klasse == 24:
                if self.form1 and self.form2 and self.form3:
                    return cut(self.form3, 1)
                if self.form1 and not self.form2 and not self.form3:
                    return cut(self.form1, 2)
                return ""
            return ""
        if self.wortart == "s" and self.form1:
            if not self.PLT:
                if self.klasse in (8, 16, 24, 40, 48, 56):
                    return cut(self.form1, 2)
                if self.klasse == 32:
                    return cut(self.form1, 1)
                return ""
            if self.klasse in (8, 16, 32):
                return cut(self.form1, 4)
            if self.klasse in (24, 40, 56):
                return cut(self.form1, 3)
            if self.klasse == 48:
                return cut(self.form1, 2)
        return ""


class Liste(list):
    def add(self, fid, bez, text, var=1):
        self.append((fid, bez, text, var))

    def zweite_endung(self, fid, bez, text):
        # A second ending as grammars print it (amare beside amaris); a stored
        # special form of the same identifier drops it again.
        if text:
            self.append((fid, bez, text, 2))
            self.zweite.add(len(self) - 1)

    zweite = None


def personen(p, erlaubt=range(1, 7)):
    return [x for x in erlaubt if p == 0 or p == x]


# ---------------------------------------------------------------- verbs
PRS_AKT = {
    (IND, PRAE, "k"): ["#f1", "is", "it", "imus", "itis", "unt"],
    (IND, PRAE, "ae"): ["#f1", "s", "t", "mus", "tis", "nt"],
    (IND, PRAE, "ig"): ["#f1", "s", "t", "mus", "tis", "unt"],
    (IND, IMPF, "ae"): ["bam", "bas", "bat", "bamus", "batis", "bant"],
    (IND, IMPF, "x"): ["ebam", "ebas", "ebat", "ebamus", "ebatis", "ebant"],
    (IND, FUT1, "ae"): ["bo", "bis", "bit", "bimus", "bitis", "bunt"],
    (IND, FUT1, "x"): ["am", "es", "et", "emus", "etis", "ent"],
}


def gruppe(k):
    return {8: "a", 16: "e", 24: "i", 48: "k", 56: "g"}.get(k, "?")


def finit_bez(p, t, stimme, modus):
    return "%s %s %s %s" % (PERSON[p], TEMPUS[t], stimme, MODUS[modus])


def praesens_aktiv(e, L, modus, t, p):
    if e.D:
        return praesens_passiv(e, L, modus, t, p)
    P, g = e.P(), gruppe(e.klasse)
    for x in personen(p):
        if modus == IND and t == PRAE and x == 1:
            text = e.form1                      # as entered, also without a stem
        elif modus == KONJ and t == IMPF:
            text = e.vokabel + ["m", "s", "t", "mus", "tis", "nt"][x - 1]
        elif not P:
            text = ""
        elif modus == KONJ:                     # Präsens Konjunktiv
            if g == "a":
                text = P[:-1] + ["em", "es", "et", "emus", "etis", "ent"][x - 1]
            else:
                text = P + ["am", "as", "at", "amus", "atis", "ant"][x - 1]
        elif t == PRAE:
            art = "k" if g == "k" else ("ae" if g in "ae" else "ig")
            text = P + PRS_AKT[(IND, PRAE, art)][x - 1]
        else:
            text = P + PRS_AKT[(IND, t, "ae" if g in "ae" else "x")][x - 1]
        L.add(x + t + modus + AKT, finit_bez(x, t, "Aktiv", modus), text)


def praesens_passiv(e, L, modus, t, p):
    stimme, basis = ("Aktiv", AKT) if e.D else ("Passiv", PAS)
    P, g = e.P(), gruppe(e.klasse)
    for x in personen(p):
        i = x - 1
        if modus == IND and t == PRAE:
            if g == "a":
                t6 = [P[:-1] + "or"] + [P + s for s in ["ris", "tur", "mur", "mini", "ntur"]]
            elif g == "e":
                t6 = [P + s for s in ["or", "ris", "tur", "mur", "mini", "ntur"]]
            elif g == "i":
                t6 = [P + s for s in ["or", "ris", "tur", "mur", "mini", "untur"]]
            elif g == "k":
                t6 = [P + s for s in ["or", "eris", "itur", "imur", "imini", "untur"]]
            else:
                t6 = [P + "or", P[:-1] + "eris"] + [P + s for s in ["tur", "mur", "mini", "untur"]]
        elif modus == IND and t == IMPF:
            pre = "" if g in "ae" else "e"
            t6 = [P + pre + s for s in ["bar", "baris", "batur", "bamur", "bamini", "bantur"]]
        elif modus == IND and t == FUT1:
            if g in "ae":
                t6 = [P + s for s in ["bor", "beris", "bitur", "bimur", "bimini", "buntur"]]
            else:
                t6 = [P + s for s in ["ar", "eris", "etur", "emur", "emini", "entur"]]
        elif modus == KONJ and t == PRAE:
            if g == "a":
                t6 = [P[:-1] + s for s in ["er", "eris", "etur", "emur", "emini", "entur"]]
            else:
                t6 = [P + s for s in ["ar", "aris", "atur", "amur", "amini", "antur"]]
        else:   # Imperfekt Konjunktiv
            ends = ["rer", "reris", "retur", "remur", "remini", "rentur"]
            if g == "k":
                t6 = [P + "e" + s for s in ends]
            elif g == "g":
                t6 = [P[:-1] + "e" + s for s in ends]
            else:
                t6 = [P + s for s in ends]
        L.add(x + t + modus + basis, finit_bez(x, t, stimme, modus), t6[i] if P else "")
        if x == 2 and P and t6[1].endswith("ris"):
            L.zweite_endung(x + t + modus + basis, finit_bez(x, t, stimme, modus), t6[1][:-2] + "e")


PERF_AKT = {
    (IND, PERF): ["i", "isti", "it", "imus", "istis", "erunt"],
    (IND, PQPF): ["eram", "eras", "erat", "eramus", "eratis", "erant"],
    (IND, FUT2): ["ero", "eris", "erit", "erimus", "eritis", "erint"],
    (KONJ, PERF): ["erim", "eris", "erit", "erimus", "eritis", "erint"],
    (KONJ, PQPF): ["issem", "isses", "isset", "issemus", "issetis", "issent"],
}
PERF_KURZ = {
    (IND, PERF): {2: "sti", 5: "stis", 6: "runt"},
    (IND, PQPF): dict(zip(range(1, 7), ["ram", "ras", "rat", "ramus", "ratis", "rant"])),
    (IND, FUT2): dict(zip(range(1, 7), ["ro", "ris", "rit", "rimus", "ritis", "rint"])),
    (KONJ, PERF): dict(zip(range(1, 7), ["rim", "ris", "rit", "rimus", "ritis", "rint"])),
    (KONJ, PQPF): dict(zip(range(1, 7), ["ssem", "sses", "sset", "ssemus", "ssetis", "ssent"])),
}
HILFSVERB = {
    (IND, PERF): ["sum", "es", "est", "sumus", "estis", "sunt"],
    (IND, PQPF): ["eram", "eras", "erat", "eramus", "eratis", "erant"],
    (IND, FUT2): ["ero", "eris", "erit", "erimus", "eritis", "erunt"],
    (KONJ, PERF): ["sim", "sis", "sit", "simus", "sitis", "sint"],
    (KONJ, PQPF): ["essem", "esses", "esset", "essemus", "essetis", "essent"],
}


def perfekt_aktiv(e, L, modus, t, p):
    if e.D or e.S:
        return perfekt_zusammengesetzt(e, L, modus, t, p)
    R = e.R()
    for x in personen(p):
        L.add(x + t + modus + AKT, finit_bez(x, t, "Aktiv", modus),
              R + PERF_AKT[(modus, t)][x - 1] if R else "")
        if modus == IND and t == PERF and x == 6 and R:
            L.zweite_endung(x + t + modus + AKT, finit_bez(x, t, "Aktiv", modus), R + "ere")
    if R.endswith("v"):   # shortened forms, whatever the person filter asked for
        for x, end in PERF_KURZ[(modus, t)].items():
            L.add(KURZ + x + t + modus + AKT,
                  finit_bez(x, t, "Aktiv", modus) + " (verkürzte Form)", R[:-1] + end, 2)


def perfekt_zusammengesetzt(e, L, modus, t, p):
    stimme, basis = ("Aktiv", AKT) if (e.D or e.S) else ("Passiv", PAS)
    U = e.U()
    Q = U[:-1]
    for sg, pl, var in (("us", "i", 1), ("a", "ae", 2), ("um", "a", 2)):
        for x in personen(p):
            end = sg if x <= 3 else pl
            L.add(x + t + modus + basis, finit_bez(x, t, stimme, modus),
                  Q + end + " " + HILFSVERB[(modus, t)][x - 1] if Q else "", var)


def imperativ(e, L, t, p):
    P, g = e.P(), gruppe(e.klasse)

    def T(s):
        return s if P else ""
    if t == PRAE:
        if p in (0, 2):
            if not e.D:
                s = P + "e" if g == "k" else P[:-1] + "e" if g == "g" else P
            else:
                s = P + "ere" if g == "k" else P[:-1] + "ere" if g == "g" else P + "re"
            L.add(202, "2. Prs. Sg. Imperativ I", T(s))
        if p in (0, 5):
            if not e.D:
                s = P + ("ite" if g == "k" else "te")
            else:
                s = P + ("imini" if g == "k" else "mini")
            L.add(205, "2. Prs. Pl. Imperativ I", T(s))
    elif t == IMPF:
        r = ("r" if e.D else "")
        for x in (2, 3):
            if p in (0, x):
                L.add(208 + x, PERSON[x] + " Imperativ II", T(P + ("ito" if g == "k" else "to") + r))
        if p in (0, 5) and not e.D:
            L.add(213, "2. Prs. Pl. Imperativ II", T(P + ("itote" if g == "k" else "tote")))
        if p in (0, 6):
            L.add(214, "3. Prs. Pl. Imperativ II", T(P + ("nto" if g in "ae" else "unto") + r))


def infinitive(e, L, t, v):
    P, R, U, g = e.P(), e.R(), e.U(), gruppe(e.klasse)
    pas_prs = (P + "i" if g == "k" else P if g == "g" else P + "ri") if P else ""
    if e.D:
        if t in (0, PRAE):
            L.add(2312, "Infinitiv Präsens Aktiv", pas_prs)
        if t in (0, PERF):
            L.add(2336, "Infinitiv Perfekt Aktiv", U + "m esse" if U else "")
        if t in (0, FUT1):
            L.add(2328, "Infinitiv Futur Aktiv", U + "rum esse" if U else "")
        return
    akt, pas = v in (0, AKT), v in (0, PAS)
    if t in (0, PRAE):
        if akt:
            L.add(2312, "Infinitiv Präsens Aktiv", e.vokabel)
        if pas:
            L.add(2568, "Infinitiv Präsens Passiv", "" if e.KP else pas_prs)
    if t in (0, PERF):
        if akt:
            if e.S:
                # Left open by the rules: this file takes the participle form,
                # as for a deponent (see the comment in the file).
                L.add(2336, "Infinitiv Perfekt Aktiv", U + "m esse" if U else "")
            else:
                L.add(2336, "Infinitiv Perfekt Aktiv", R + "isse" if R else "")
                if R.endswith("v"):
                    L.add(KURZ + 2336, "Infinitiv Perfekt Aktiv (verkürzte Form)", R[:-1] + "sse", 2)
        if pas:
            L.add(2592, "Infinitiv Perfekt Passiv", "" if (e.KP or not U) else U + "m esse")
    if t in (0, FUT1):
        if akt:
            L.add(2328, "Infinitiv Futur Aktiv", U + "rum esse" if U else "")
        if pas:
            L.add(2584, "Infinitiv Futur Passiv", "" if (e.KP or not U) else U + "m iri")


def supina(e, L, p):
    if e.D:
        return
    U = e.U()
    if p in (0, 1):
        L.add(5121, "Supinum I", U)
    if p in (0, 2):
        L.add(5122, "Supinum II", U + "m" if U else "")


def gerundium(e, L, k):
    P, g = e.P(), gruppe(e.klasse)
    pre = "" if g in "ae" else "e"
    for i, end in enumerate(["", "ndi", "ndo", "ndum", "ndo"], start=1):
        if k in (0, i):
            text = e.vokabel if i == 1 else (P + pre + end if P else "")
            L.add(kasus_id(i) + GERUNDIUM, "Gerundium " + KASUS[i - 1], text)


def genus_aus(s):
    g = s & 0x60000
    return g if g in (MASK, FEM) else NEUT


def kasusliste(s):
    k = (s >> 13) & 0xF
    return [k] if 1 <= k <= 10 else (list(range(1, 11)) if k == 0 else [])


OA_M = ["us", "i", "o", "um", "o", "i", "orum", "is", "os", "is"]
OA_F = ["a", "ae", "ae", "am", "a", "ae", "arum", "is", "as", "is"]
OA_N = ["um", "i", "o", "um", "o", "a", "orum", "is", "a", "is"]
OA = {MASK: OA_M, FEM: OA_F, NEUT: OA_N}


def partizip_praesens(e, L, s):
    g, P = genus_aus(s), e.P()
    V = "e" if e.klasse in (24, 48, 56) else ""
    n = g == NEUT
    ends = ["ns", "ntis", "nti", "ns" if n else "ntem", "nte",
            "ntia" if n else "ntes", "ntium", "ntibus", "ntia" if n else "ntes", "ntibus"]
    for k in kasusliste(s):
        L.add(g + 0x508 + kasus_id(k), "Partizip Präsens Aktiv %s %s" % (KASUS[k - 1], GENUSWORT[g]),
              P + V + ends[k - 1] if P else "")


def partizip_futur(e, L, s):
    g, U = genus_aus(s), e.U()
    for k in kasusliste(s):
        L.add(g + 0x518 + kasus_id(k), "Partizip Futur Aktiv %s %s" % (KASUS[k - 1], GENUSWORT[g]),
              U + "r" + OA[g][k - 1] if U else "")


def partizip_perfekt(e, L, s):
    g, U = genus_aus(s), e.U()
    Q = U[:-1]
    stimme, v = ("Aktiv", AKT) if (s & 0x300) == AKT else ("Passiv", PAS)
    for k in kasusliste(s):
        L.add(g + v + 0x420 + kasus_id(k),
              "Partizip Perfekt %s %s %s" % (stimme, KASUS[k - 1], GENUSWORT[g]),
              Q + OA[g][k - 1] if U else "")


def gerundivum(e, L, s):
    g, P = genus_aus(s), e.P()
    V = "e" if e.klasse in (24, 48, 56) else ""
    for k in kasusliste(s):
        L.add(g + GERUNDIVUM + kasus_id(k), "Gerundivum %s %s" % (KASUS[k - 1], GENUSWORT[g]),
              P + V + "nd" + OA[g][k - 1] if P else "")


def verbformen(e, L, s):
    p, t, modus, stimme, nom = s & 7, s & 0x38, s & 0xC0, s & 0x300, s & 0x1C00
    if modus == IND and t:
        if stimme == AKT:
            (praesens_aktiv if t in (PRAE, IMPF, FUT1) else perfekt_aktiv)(e, L, IND, t, p)
        elif stimme == PAS and not (e.D or e.KP):
            (praesens_passiv if t in (PRAE, IMPF, FUT1) else perfekt_zusammengesetzt)(e, L, IND, t, p)
    elif modus == KONJ and t in (PRAE, IMPF, PERF, PQPF):
        if stimme == AKT:
            (praesens_aktiv if t in (PRAE, IMPF) else perfekt_aktiv)(e, L, KONJ, t, p)
        elif stimme == PAS and not (e.D or e.KP):
            (praesens_passiv if t in (PRAE, IMPF) else perfekt_zusammengesetzt)(e, L, KONJ, t, p)
    elif modus == IMP:
        imperativ(e, L, t, p)
    if nom == INFINITIV:
        infinitive(e, L, t, stimme)
    elif nom == SUPINUM:
        supina(e, L, p)
    elif nom == GERUNDIUM:
        gerundium(e, L, (s >> 13) & 0xF)
    elif nom == GERUNDIVUM:
        gerundivum(e, L, s)
    elif nom == PARTIZIP:
        {PRAE: partizip_praesens, FUT1: partizip_futur, PERF: partizip_perfekt}.get(
            t, lambda *a: None)(e, L, s)


# ---------------------------------------------------------------- nouns
def substantivformen(e, L, s):
    G = {"m": MASK, "f": FEM, "n": NEUT, "p": MF}.get(e.form2, 0)
    n = e.form2 == "n"
    N, k = e.N(), e.klasse
    tab = {  # case 3..10
        8: ["ae", "am", "a", "ae", "arum", "is", "as", "is"],
        16: ["ei", "em", "e", "es", "erum", "ebus", "es", "ebus"],
        24: ["i", "@" if n else "im", "i", "ia" if n else "es", "ium", "ibus", "ia" if n else "is", "ibus"],
        32: ["o", "@" if n else "um", "o", "a" if n else "i", "orum", "is", "a" if n else "os", "is"],
        40: ["u" if n else "ui", "@" if n else "um", "u", "ua" if n else "us", "uum", "ibus",
             "ua" if n else "us", "ibus"],
    }.get(k, ["i", "@" if n else "em", "e", "a" if n else "es", "ium" if k == 56 else "um",
              "ibus", "a" if n else "es", "ibus"])
    faelle = []
    if not e.PLT:
        faelle += [1, 2, 3, 4, 5]
    if not e.SGT:
        faelle += [6, 7, 8, 9, 10]
    kf = (s >> 13) & 0xF
    for c in faelle:
        if kf not in (0, c):
            continue
        if c == 1:
            text = e.vokabel
        elif c == 2:
            text = e.form1
        elif tab[c - 3] == "@":
            text = e.vokabel
        else:
            text = N + tab[c - 3] if N else ""
        L.add(G + kasus_id(c), KASUS[c - 1], text)
        if c == 9 and k in (24, 56) and not n and N:   # turres beside turris, civis beside cives
            L.zweite_endung(G + kasus_id(c), KASUS[c - 1], N + ("es" if k == 24 else "is"))


# ---------------------------------------------------------------- adjectives
I_M = ["#nom", "is", "i", "em", "i", "es", "ium", "ibus", "es", "ibus"]
I_N = ["#nom", "is", "i", "#akk", "i", "ia", "ium", "ibus", "ia", "ibus"]


def positiv(e, L, s, d):
    g, N = genus_aus(s), e.N()
    zusatz = {KOMP: " Komparativ", SUP: " Superlativ"}.get(d, "")
    for k in kasusliste(s):
        text = ""
        if N:
            if e.klasse == 24:
                end = (I_N if g == NEUT else I_M)[k - 1]
                if end == "#nom":
                    text = {MASK: e.vokabel, FEM: e.form2 or e.vokabel, NEUT: e.form3 or e.vokabel}[g]
                elif end == "#akk":
                    text = e.form3 or e.vokabel
                else:
                    text = N + end
            else:
                if k == 1:
                    text = {MASK: e.vokabel, FEM: e.form2, NEUT: e.form3}[g]
                else:
                    text = N + OA[g][k - 1]
            if text and d == KOMP:
                text = "magis " + text
            elif text and d == SUP:
                text = "maxime " + text
        L.add(g + d + kasus_id(k), "%s %s%s" % (KASUS[k - 1], GENUSWORT[g], zusatz), text)
        if N and e.klasse == 24:
            vor = {KOMP: "magis ", SUP: "maxime "}.get(d, "")
            bez = "%s %s%s" % (KASUS[k - 1], GENUSWORT[g], zusatz)
            if k == 9 and g != NEUT:                    # acris beside acres
                L.zweite_endung(g + d + kasus_id(k), bez, vor + N + "is")
            if k == 5 and not e.form2 and not e.form3 and not e.PLT:   # felice beside felici
                L.zweite_endung(g + d + kasus_id(k), bez, vor + N + "e")


def endet_unsteigerbar(v):
    return v.endswith("uus") or v.endswith("ius") or v.endswith("eus")


def infix(v):
    return "ent" if (v.endswith("ficus") or v.endswith("volus")) else ""


def komparativ(e, L, s):
    if endet_unsteigerbar(e.vokabel):
        return positiv(e, L, s, KOMP)
    g, N, I = genus_aus(s), e.N(), infix(e.vokabel)
    mf = ["ior", "ioris", "iori", "iorem", "iore", "iores", "iorum", "ioribus", "iores", "ioribus"]
    nn = ["ius", "ioris", "iori", "ius", "iore", "iora", "iorum", "ioribus", "iora", "ioribus"]
    for k in kasusliste(s):
        end = (nn if g == NEUT else mf)[k - 1]
        L.add(g + KOMP + kasus_id(k), "%s %s Komparativ" % (KASUS[k - 1], GENUSWORT[g]),
              N + I + end if N else "")


def superlativ(e, L, s):
    if endet_unsteigerbar(e.vokabel):
        return positiv(e, L, s, SUP)
    g, N, I = genus_aus(s), e.N(), infix(e.vokabel)
    S = e.vokabel + "rim" if e.vokabel.endswith("er") else N + I + "issim"
    for k in kasusliste(s):
        L.add(g + SUP + kasus_id(k), "%s %s Superlativ" % (KASUS[k - 1], GENUSWORT[g]),
              S + OA[g][k - 1] if N else "")


def adverb_von_adjektiv(e, L, s):
    d, N, v = s & 0x180000, e.N(), e.vokabel
    if d in (0, POS):
        if e.klasse == 32:
            t = N + "e"
        else:
            t = N + "er" if N.endswith("nt") else N + "iter"
        L.add(0x280000, "Adverb (von %s)" % v, t if N else "")
    if d in (0, KOMP):
        L.add(0x300000, "Adverb im Komparativ (von %s)" % v, N + "ius" if N else "")
    if d in (0, SUP):
        t = v + "rime" if v.endswith("er") else N + "issime"
        L.add(0x380000, "Adverb im Superlativ (von %s)" % v, t if N else "")


def adjektivformen(e, L, s):
    if s & ADVERB:
        return adverb_von_adjektiv(e, L, s)
    d = s & 0x180000
    if d == POS:
        positiv(e, L, s, POS)
    elif d == KOMP:
        komparativ(e, L, s)
    elif d == SUP:
        superlativ(e, L, s)


# ---------------------------------------------------------------- pronouns, adverbs
def pronomenformen(e, L, s):
    for k in kasusliste(s):
        L.add(kasus_id(k), KASUS[k - 1], e.vokabel if k == 1 else "")


def adverbplatzhalter(e, L, s):
    if s <= 0:
        return
    kf = (s >> 13) & 0xF
    for k in (range(1, 11) if kf == 0 else [kf]):
        L.add(kasus_id(k) + (s & 0x180000) + (s & 0x60000), KASUS[k - 1], "")


def formen_erzeugen(e, L, s):
    n0 = len(L)
    L.zweite = set()
    {"v": verbformen, "s": substantivformen, "d": adverbplatzhalter,
     "a": adjektivformen, "p": pronomenformen}.get(e.wortart, lambda *a: None)(e, L, s)
    # stored special forms replace the text of every record with their identifier
    for i in sorted(L.zweite, reverse=True):
        if L[i][0] in e.sonderformen:
            del L[i]
    for i, (fid, bez, text, var) in enumerate(L):
        if fid in e.sonderformen:
            L[i] = (fid, bez, e.sonderformen[fid], var)
    return L[n0:]


# ---------------------------------------------------------------- category tree (kind 1)
def kategorie_selektoren(e):
    """(section title, selector) for every node of the category tree."""
    w = e.wortart
    if w in ("s", "p"):
        return [(e.vokabel, 0)]
    if w == "d":
        return [("Komparativ", 0), ("Komparativ maskulinum", 0x120000),
                ("Komparativ femininum", 0x140000), ("Komparativ neutrum", 0x160000),
                ("Superlativ", 0), ("Superlativ maskulinum", 0x1A0000),
                ("Superlativ femininum", 0x1C0000), ("Superlativ neutrum", 0x1E0000)]
    if w == "a":
        out = []
        for name, d in (("Positiv", POS), ("Komparativ", KOMP), ("Superlativ", SUP)):
            out.append((name, 0))
            for gn, g in (("maskulinum", MASK), ("femininum", FEM), ("neutrum", NEUT)):
                out.append(("%s %s" % (name, gn), d + g))
        out.append(("Adverb", ADVERB))
        return out
    if w != "v":
        return []
    tn = [("Präsens", PRAE), ("Imperfekt", IMPF), ("Futur 1", FUT1),
          ("Perfekt", PERF), ("Plusquamperfekt", PQPF), ("Futur 2", FUT2)]
    kt = [tn[0], tn[1], tn[3], tn[4]]

    def genera(name, basis):
        return [(name, 0)] + [("%s %s" % (name, gn), g + basis)
                              for gn, g in (("maskulinum", MASK), ("femininum", FEM), ("neutrum", NEUT))]
    out = []
    if not (e.D or e.S):
        out += [("Indikativ", 0), ("Indikativ Aktiv", 0)]
        out += [("Indikativ Aktiv " + n, IND + AKT + t) for n, t in tn]
        out += [("Indikativ Passiv", 0)] + [("Indikativ Passiv " + n, IND + PAS + t) for n, t in tn]
        out += [("Konjunktiv", 0), ("Konjunktiv Aktiv", 0)]
        out += [("Konjunktiv Aktiv " + n, KONJ + AKT + t) for n, t in kt]
        out += [("Konjunktiv Passiv", 0)] + [("Konjunktiv Passiv " + n, KONJ + PAS + t) for n, t in kt]
        out += [("Imperativ", 0), ("Imperativ I", 200), ("Imperativ II", 208)]
        out += [("Nominalformen", 0), ("substantivisch", 0), ("Infinitive", 2048),
                ("Gerundium", 4096), ("Supin", 5120), ("adjektivisch", 0), ("Partizipien", 0)]
        out += genera("Partizip Präsens Aktiv", 0x508) + genera("Partizip Futur Aktiv", 0x518)
        out += genera("Partizip Perfekt Passiv", 0x620) + genera("Gerundiv", 0xC00)
    else:
        out += [("Indikativ Aktiv", 0)] + [("Indikativ Aktiv " + n, IND + AKT + t) for n, t in tn]
        out += [("Konjunktiv Aktiv", 0)] + [("Konjunktiv Aktiv " + n, KONJ + AKT + t) for n, t in kt]
        out += [("Imperativ", 0), ("Imperativ I", 200), ("Imperativ II", 208)]
        out += [("Nominalformen", 0), ("substantivisch", 0), ("Infinitive", 2048),
                ("Gerundium", 4096), ("adjektivisch", 0), ("Partizipien", 1024)]
        out += genera("Partizip Präsens Aktiv", 0x508) + genera("Partizip Futur Aktiv", 0x518)
        out += genera("Partizip Perfekt Aktiv", 0x520) + genera("Gerundiv", 0xC00)
    return out


# ---------------------------------------------------------------- entries
def E(key, vokabel, form1, form2, form3, wortart, konjdekl, attribute=0, sonderformen=None):
    d = {"key": key, "vokabel": vokabel, "form1": form1, "form2": form2, "form3": form3,
         "wortart": wortart, "konjdekl": konjdekl, "attribute": attribute}
    if sonderformen:
        d["sonderformen"] = [[fid, txt] for fid, txt in sonderformen]
    return d


def faelle(basis, woerter):
    return [(basis + kasus_id(i + 1), w) for i, w in enumerate(woerter.split())]


ILLE = faelle(0, "ille illius illi illum illo illi illorum illis illos illis")
# feminine nominative under a gendered identifier: pronouns never produce it
ILLE.append((FEM + kasus_id(1), "illa"))

PROPE = []
for g in (MASK, FEM):
    PROPE += faelle(KOMP + g, "propior propioris propiori propiorem propiore "
                              "propiores propiorum propioribus propiores propioribus")
PROPE += faelle(KOMP + NEUT, "propius propioris propiori propius propiore "
                             "propiora propiorum propioribus propiora propioribus")
for g in (MASK, FEM, NEUT):
    PROPE += faelle(SUP + g, " ".join("proxim" + x for x in OA[g]))
# a positive form: adverb entries have no positive block, so it must not show up
PROPE.append((POS + MASK + kasus_id(1), "prope"))

IS = faelle(0, "- eius ei eum eo")[1:]     # deliberately incomplete: the plural stays empty

FERRE = [(fid("ind", "akt", "prae", 2), "fers"), (fid("ind", "akt", "prae", 3), "fert"),
         (fid("ind", "akt", "prae", 5), "fertis"),
         (fid("ind", "pas", "prae", 2), "ferris"), (fid("ind", "pas", "prae", 3), "fertur")]
FERRE += [(fid("konj", "pas", "impf", p), "ferr" + x)
          for p, x in zip(range(1, 7), ["er", "eris", "etur", "emur", "emini", "entur"])]
FERRE += [(202, "fer"), (205, "ferte"), (210, "ferto"), (211, "ferto"), (213, "fertote"), (2568, "ferri")]

VERBHINWEIS = [
    "Gerundium Nominativ Sg. is the infinitive (the headword), as the rules write it.",
    "Reading: tree headings without a stated selector (Indikativ, Aktiv, Partizip",
    "Präsens Aktiv, ...) carry 0 and yield nothing.",
]
ADJHINWEIS = [
    "Reading: the headings Positiv, Komparativ and Superlativ carry selector 0 (a",
    "degree without gender would otherwise add a second neuter run); only the",
    "gender nodes and Adverb (0x200000, all three degrees) yield forms.",
]

EINTRAEGE = [
    ("verb_amare", E("amare", "amare", "amo", "amavi", "amatum", "v", "a"), VERBHINWEIS + [
        "Perfect stem amav- ends in v: shortened forms (amasti, amaram, amaro, amarim,",
        "amassem, amasse) follow each perfect-system block with variante 2."]),
    ("verb_monere", E("monere", "monere", "moneo", "monui", "monitum", "v", "e"), VERBHINWEIS + [
        "Perfect stem monu- does not end in v: no shortened forms."]),
    ("verb_audire", E("audire", "audire", "audio", "audivi", "auditum", "v", "i"), VERBHINWEIS + [
        "Rules differ from Latin: the shortened forms drop the whole -vi-/-ve- syllable",
        "mechanically (stem audi- + ram/ro/rim/runt), giving audiram, audiro, audirim,",
        "audirunt where Latin has audieram, audiero, audierim, audierunt. audisti,",
        "audistis, audissem and audisse are genuine."]),
    ("verb_regere", E("regere", "regere", "rego", "rexi", "rectum", "v", "k"), VERBHINWEIS),
    ("verb_capere", E("capere", "capere", "capio", "cepi", "captum", "v", "g"), VERBHINWEIS),
    ("verb_hortari", E("hortari", "hortari", "hortor", "hortatus sum", "", "v", "a", FLAG_DEP), VERBHINWEIS + [
        "Deponent: category tree without passive branches and supines; active labels",
        "and identifiers for the passive-shaped forms; Imperativ II 2. Pl. is not produced.",
        "The node Partizipien (selector 1024, participle without tense) yields nothing."]),
    ("verb_audere", E("audere", "audere", "audeo", "ausus sum", "", "v", "e", FLAG_SEMI), VERBHINWEIS + [
        "Semi-deponent: present system active as usual, perfect system compound with",
        "active labels and identifiers; deponent category tree (no passive branches, no supines).",
        "Reading: the selector Infinitive (2048) asks for both voices, and the infinitive",
        "generator tests only Deponens, so the passive infinitives appear with text:",
        "auderi, ausum esse, ausum iri (not real Latin: audere has no passive).",
        "Reading of an open point: Infinitiv Perfekt Aktiv (2336) is written as the",
        "participle form ausum esse, as for a deponent; the bare perfect-stem rule would",
        "give the useless 'ausus suisse'. No shortened infinitive."]),
    ("verb_venire", E("venire", "venire", "venio", "veni", "ventum", "v", "i", FLAG_KP), VERBHINWEIS + [
        "Keine Passiv-Formen: the category tree still has the passive branches (it looks",
        "only at Deponens/Semideponens), but passive finite selectors yield nothing; the",
        "passive infinitives are listed with empty text; supines are produced.",
        "Rules differ from Latin: perfect participle ventus, -a, -um and the gerundive",
        "veniendus, -a, -um are produced although venire has them only impersonally."]),
    ("verb_ferre", E("ferre", "ferre", "fero", "tuli", "latum", "v", "k", 0, FERRE), VERBHINWEIS + [
        "Irregular verb: the consonant-conjugation skeleton with the athematic forms",
        "(fers, fert, fertis, ferris, fertur, ferrer..., fer, ferte, ferto, fertote,",
        "ferri) stored as special forms; everything else is regular (ferrem comes from",
        "the headword)."]),
    ("subst_rosa", E("rosa", "rosa", "rosae", "f", "", "s", "a"), []),
    ("subst_dominus", E("dominus", "dominus", "domini", "m", "", "s", "o"), []),
    ("subst_templum", E("templum", "templum", "templi", "n", "", "s", "o"), []),
    ("subst_castra", E("castra", "castra", "castrorum", "n", "", "s", "o", FLAG_PLT), [
        "Pluralis tantum: plural cases only; the nominative plural is stem + a, not the headword."]),
    ("subst_rex", E("rex", "rex", "regis", "m", "", "s", "k"), []),
    ("subst_nomen", E("nomen", "nomen", "nominis", "n", "", "s", "k"), []),
    ("subst_mare", E("mare", "mare", "maris", "n", "", "s", "i"), [
        "I-declension neuter: dative/ablative sg. -i, nom./acc. pl. -ia, gen. pl. -ium.",
        "(For masculine/feminine i-stems the rules would give acc. sg. -im and acc. pl. -is.)"]),
    ("subst_cornu", E("cornu", "cornu", "cornus", "n", "", "s", "u"), []),
    ("subst_fructus", E("fructus", "fructus", "fructus", "m", "", "s", "u"), []),
    ("subst_res", E("res", "res", "rei", "f", "", "s", "e"), []),
    ("subst_civis", E("civis", "civis", "civis", "p", "", "s", "g"), [
        "Gender p (maskulinum + femininum): every identifier carries 0x800000 (8388608)",
        "instead of a gender value. Mixed declension: abl. sg. cive, gen. pl. civium,",
        "acc. pl. cives (the Latin variants civi, civis are not produced)."]),
    ("adj_bonus", E("bonus", "bonus", "bonus", "bona", "bonum", "a", "o"), ADJHINWEIS + [
        "Rules differ from Latin: no irregular comparison without special forms, so the",
        "comparative is bonior, the superlative bonissimus, the adverbs bone, bonius,",
        "bonissime (Latin: melior, optimus, bene, melius, optime)."]),
    ("adj_acer", E("acer", "acer", "acer", "acris", "acre", "a", "i"), ADJHINWEIS + [
        "Headword in -er: superlative acerrimus and adverb acerrime from the headword."]),
    ("adj_felix", E("felix", "felix", "felicis", "", "", "a", "i"), ADJHINWEIS + [
        "Only the genitive given: stem from form1; nominative of all genders and the",
        "neuter accusative sg. are the headword."]),
    ("adj_prudens", E("prudens", "prudens", "prudentis", "", "", "a", "i"), ADJHINWEIS + [
        "Stem in -nt: adverb prudenter."]),
    ("adj_idoneus", E("idoneus", "idoneus", "idoneus", "idonea", "idoneum", "a", "o"), ADJHINWEIS + [
        "Headword in -eus: comparative and superlative are magis/maxime + positive,",
        "labelled with Komparativ/Superlativ.",
        "Rules differ from Latin: the adverb is compared synthetically: idoneius,",
        "idoneissime (Latin: magis idonee, maxime idonee)."]),
    ("adj_beneficus", E("beneficus", "beneficus", "beneficus", "benefica", "beneficum", "a", "o"), ADJHINWEIS + [
        "Headword in -ficus: comparative and superlative with the infix -ent-.",
        "Rules differ from Latin: the adverb's comparative and superlative take no infix:",
        "beneficius, beneficissime (Latin: beneficentius, beneficentissime)."]),
    ("pron_ille", E("ille", "ille", "", "m", "", "p", "", 0, ILLE), [
        "Pronoun: plain case identifiers without gender; texts from the special forms.",
        "The stored special form 0x42000 (illa) has an identifier the generator does",
        "not produce for a pronoun, so it adds no record."]),
    ("pron_is", E("is", "is", "", "m", "", "p", "", 0, IS), [
        "Pronoun with special forms for the singular only (deliberately incomplete):",
        "the nominative singular is the headword, the plural records stay empty."]),
    ("adv_prope", E("prope", "prope", "propius", "proxime", "", "d", "", 0, PROPE), [
        "Adverb entry: only placeholders (comparative and superlative, three genders,",
        "ten cases, label = case word), texts from the special forms (propior, proximus).",
        "The adverb's own comparative/superlative (form1, form2) are not produced.",
        "The stored special form for 0xA2000 (a positive identifier) adds no record."]),
]


# ---------------------------------------------------------------- hand checks
# Real Latin, typed by hand block by block (not derived from the rules above).
# Block keys: "<mood> <voice> <tense>" with six persons, "_" stands for a blank.
def bloecke(text):
    """Parses lines 'ind akt prae: amo amas ...' into {(id, form)}; ~ is an empty text."""
    out = set()
    for zeile in text.strip().splitlines():
        kopf, formen = zeile.split(":")
        teile = kopf.split()
        formen = ["" if f == "~" else f.replace("_", " ") for f in formen.split()]
        if teile[0] == "id":                  # 'id 202 205: ama amate'
            ids = [int(x, 0) for x in teile[1:]]
        elif teile[0] == "kurz":              # 'kurz ind akt perf 2 5 6: ...'
            ids = [KURZ + fid(teile[1], teile[2], teile[3], int(p)) for p in teile[4:]]
        else:
            ids = [fid(teile[0], teile[1], teile[2], p) for p in range(1, 7)]
        assert len(ids) == len(formen), zeile
        out |= set(zip(ids, formen))
    return out


def nominalformen(praefix):
    """Ids of nominative sg. masc. participles/gerundive, for compact checks."""
    return {"ppa": MASK + 0x508 + 0x2000, "pfa": MASK + 0x518 + 0x2000,
            "ppp": MASK + 0x620 + 0x2000, "ppd": MASK + 0x520 + 0x2000,
            "gdv": MASK + 0xC00 + 0x2000}[praefix]


HAND = {}
HAND["verb_amare"] = bloecke("""
ind akt prae: amo amas amat amamus amatis amant
ind akt impf: amabam amabas amabat amabamus amabatis amabant
ind akt fut1: amabo amabis amabit amabimus amabitis amabunt
ind akt perf: amavi amavisti amavit amavimus amavistis amaverunt
ind akt pqpf: amaveram amaveras amaverat amaveramus amaveratis amaverant
ind akt fut2: amavero amaveris amaverit amaverimus amaveritis amaverint
konj akt prae: amem ames amet amemus ametis ament
konj akt impf: amarem amares amaret amaremus amaretis amarent
konj akt perf: amaverim amaveris amaverit amaverimus amaveritis amaverint
konj akt pqpf: amavissem amavisses amavisset amavissemus amavissetis amavissent
ind pas prae: amor amaris amatur amamur amamini amantur
ind pas impf: amabar amabaris amabatur amabamur amabamini amabantur
ind pas fut1: amabor amaberis amabitur amabimur amabimini amabuntur
ind pas perf: amatus_sum amatus_es amatus_est amati_sumus amati_estis amati_sunt
ind pas pqpf: amata_eram amata_eras amata_erat amatae_eramus amatae_eratis amatae_erant
ind pas fut2: amatum_ero amatum_eris amatum_erit amata_erimus amata_eritis amata_erunt
konj pas prae: amer ameris ametur amemur amemini amentur
konj pas impf: amarer amareris amaretur amaremur amaremini amarentur
konj pas perf: amatus_sim amatus_sis amatus_sit amati_simus amati_sitis amati_sint
konj pas pqpf: amatus_essem amatus_esses amatus_esset amati_essemus amati_essetis amati_essent
kurz ind akt perf 2 5 6: amasti amastis amarunt
kurz ind akt pqpf 1 2 3 4 5 6: amaram amaras amarat amaramus amaratis amarant
kurz ind akt fut2 1 6: amaro amarint
kurz konj akt perf 1 4: amarim amarimus
kurz konj akt pqpf 1 2 3 4 5 6: amassem amasses amasset amassemus amassetis amassent
id 202 205 210 211 213 214: ama amate amato amato amatote amanto
id 2312 2568 2336 0x400920 2592 2328 2584: amare amari amavisse amasse amatum_esse amaturum_esse amatum_iri
id 5121 5122 0x5000 0x7000 0x9000 0xB000: amatu amatum amandi amando amandum amando
id 0x22508 0x24508 0x2C508 0x2E508 0x68508 0x6C508: amans amantis amantes amantium amans amantia
id 0x22518 0x42518 0x62518 0x22620 0x4E620 0x6C620: amaturus amatura amaturum amatus amatarum amata
id 0x22C00 0x46C00 0x6CC00: amandus amandae amanda
""")
HAND["verb_monere"] = bloecke("""
ind akt prae: moneo mones monet monemus monetis monent
ind akt impf: monebam monebas monebat monebamus monebatis monebant
ind akt fut1: monebo monebis monebit monebimus monebitis monebunt
ind akt perf: monui monuisti monuit monuimus monuistis monuerunt
ind akt pqpf: monueram monueras monuerat monueramus monueratis monuerant
ind akt fut2: monuero monueris monuerit monuerimus monueritis monuerint
konj akt prae: moneam moneas moneat moneamus moneatis moneant
konj akt impf: monerem moneres moneret moneremus moneretis monerent
konj akt perf: monuerim monueris monuerit monuerimus monueritis monuerint
konj akt pqpf: monuissem monuisses monuisset monuissemus monuissetis monuissent
ind pas prae: moneor moneris monetur monemur monemini monentur
ind pas impf: monebar monebaris monebatur monebamur monebamini monebantur
ind pas fut1: monebor moneberis monebitur monebimur monebimini monebuntur
ind pas perf: monitus_sum monitus_es monitus_est moniti_sumus moniti_estis moniti_sunt
konj pas prae: monear monearis moneatur moneamur moneamini moneantur
konj pas impf: monerer monereris moneretur moneremur moneremini monerentur
konj pas pqpf: monita_essem monita_esses monita_esset monitae_essemus monitae_essetis monitae_essent
id 202 205 210 211 213 214: mone monete moneto moneto monetote monento
id 2312 2568 2336 2592 2328 2584: monere moneri monuisse monitum_esse moniturum_esse monitum_iri
id 5121 5122 0x5000 0x9000: monitu monitum monendi monendum
id 0x22508 0x24508 0x22518 0x22620 0x22C00 0x44C00: monens monentis moniturus monitus monendus monendae
""")
HAND["verb_audire"] = bloecke("""
ind akt prae: audio audis audit audimus auditis audiunt
ind akt impf: audiebam audiebas audiebat audiebamus audiebatis audiebant
ind akt fut1: audiam audies audiet audiemus audietis audient
ind akt perf: audivi audivisti audivit audivimus audivistis audiverunt
ind akt pqpf: audiveram audiveras audiverat audiveramus audiveratis audiverant
ind akt fut2: audivero audiveris audiverit audiverimus audiveritis audiverint
konj akt prae: audiam audias audiat audiamus audiatis audiant
konj akt impf: audirem audires audiret audiremus audiretis audirent
konj akt perf: audiverim audiveris audiverit audiverimus audiveritis audiverint
konj akt pqpf: audivissem audivisses audivisset audivissemus audivissetis audivissent
ind pas prae: audior audiris auditur audimur audimini audiuntur
ind pas impf: audiebar audiebaris audiebatur audiebamur audiebamini audiebantur
ind pas fut1: audiar audieris audietur audiemur audiemini audientur
ind pas perf: auditus_sum auditus_es auditus_est auditi_sumus auditi_estis auditi_sunt
konj pas prae: audiar audiaris audiatur audiamur audiamini audiantur
konj pas impf: audirer audireris audiretur audiremur audiremini audirentur
kurz ind akt perf 2 5: audisti audistis
kurz konj akt pqpf 1 2 3 4 5 6: audissem audisses audisset audissemus audissetis audissent
id 202 205 210 211 213 214: audi audite audito audito auditote audiunto
id 2312 2568 2336 0x400920 2592 2328 2584: audire audiri audivisse audisse auditum_esse auditurum_esse auditum_iri
id 5121 5122 0x5000 0xB000: auditu auditum audiendi audiendo
id 0x22508 0x2A508 0x22518 0x22620 0x22C00 0x6CC00: audiens audiente auditurus auditus audiendus audienda
""")
HAND["verb_regere"] = bloecke("""
ind akt prae: rego regis regit regimus regitis regunt
ind akt impf: regebam regebas regebat regebamus regebatis regebant
ind akt fut1: regam reges reget regemus regetis regent
ind akt perf: rexi rexisti rexit reximus rexistis rexerunt
ind akt pqpf: rexeram rexeras rexerat rexeramus rexeratis rexerant
ind akt fut2: rexero rexeris rexerit rexerimus rexeritis rexerint
konj akt prae: regam regas regat regamus regatis regant
konj akt impf: regerem regeres regeret regeremus regeretis regerent
konj akt perf: rexerim rexeris rexerit rexerimus rexeritis rexerint
konj akt pqpf: rexissem rexisses rexisset rexissemus rexissetis rexissent
ind pas prae: regor regeris regitur regimur regimini reguntur
ind pas impf: regebar regebaris regebatur regebamur regebamini regebantur
ind pas fut1: regar regeris regetur regemur regemini regentur
ind pas fut2: rectus_ero rectus_eris rectus_erit recti_erimus recti_eritis recti_erunt
konj pas prae: regar regaris regatur regamur regamini regantur
konj pas impf: regerer regereris regeretur regeremur regeremini regerentur
konj pas perf: recta_sim recta_sis recta_sit rectae_simus rectae_sitis rectae_sint
id 202 205 210 211 213 214: rege regite regito regito regitote regunto
id 2312 2568 2336 2592 2328 2584: regere regi rexisse rectum_esse recturum_esse rectum_iri
id 5121 5122 0x5000 0x7000: rectu rectum regendi regendo
id 0x22508 0x6C508 0x22518 0x22620 0x22C00 0x2CC00: regens regentia recturus rectus regendus regendi
""")
HAND["verb_capere"] = bloecke("""
ind akt prae: capio capis capit capimus capitis capiunt
ind akt impf: capiebam capiebas capiebat capiebamus capiebatis capiebant
ind akt fut1: capiam capies capiet capiemus capietis capient
ind akt perf: cepi cepisti cepit cepimus cepistis ceperunt
ind akt pqpf: ceperam ceperas ceperat ceperamus ceperatis ceperant
ind akt fut2: cepero ceperis ceperit ceperimus ceperitis ceperint
konj akt prae: capiam capias capiat capiamus capiatis capiant
konj akt impf: caperem caperes caperet caperemus caperetis caperent
konj akt perf: ceperim ceperis ceperit ceperimus ceperitis ceperint
konj akt pqpf: cepissem cepisses cepisset cepissemus cepissetis cepissent
ind pas prae: capior caperis capitur capimur capimini capiuntur
ind pas impf: capiebar capiebaris capiebatur capiebamur capiebamini capiebantur
ind pas fut1: capiar capieris capietur capiemur capiemini capientur
ind pas pqpf: captus_eram captus_eras captus_erat capti_eramus capti_eratis capti_erant
konj pas prae: capiar capiaris capiatur capiamur capiamini capiantur
konj pas impf: caperer capereris caperetur caperemur caperemini caperentur
id 202 205 210 211 213 214: cape capite capito capito capitote capiunto
id 2312 2568 2336 2592 2328 2584: capere capi cepisse captum_esse capturum_esse captum_iri
id 5121 5122 0x5000 0x9000: captu captum capiendi capiendum
id 0x22508 0x24508 0x22518 0x22620 0x22C00 0x42C00: capiens capientis capturus captus capiendus capienda
""")
HAND["verb_hortari"] = bloecke("""
ind akt prae: hortor hortaris hortatur hortamur hortamini hortantur
ind akt impf: hortabar hortabaris hortabatur hortabamur hortabamini hortabantur
ind akt fut1: hortabor hortaberis hortabitur hortabimur hortabimini hortabuntur
ind akt perf: hortatus_sum hortatus_es hortatus_est hortati_sumus hortati_estis hortati_sunt
ind akt pqpf: hortata_eram hortata_eras hortata_erat hortatae_eramus hortatae_eratis hortatae_erant
ind akt fut2: hortatum_ero hortatum_eris hortatum_erit hortata_erimus hortata_eritis hortata_erunt
konj akt prae: horter horteris hortetur hortemur hortemini hortentur
konj akt impf: hortarer hortareris hortaretur hortaremur hortaremini hortarentur
konj akt perf: hortatus_sim hortatus_sis hortatus_sit hortati_simus hortati_sitis hortati_sint
konj akt pqpf: hortatus_essem hortatus_esses hortatus_esset hortati_essemus hortati_essetis hortati_essent
id 202 205 210 211 214: hortare hortamini hortator hortator hortantor
id 2312 2336 2328: hortari hortatum_esse hortaturum_esse
id 0x5000 0x7000 0x9000 0xB000: hortandi hortando hortandum hortando
id 0x22508 0x24508 0x22518 0x22520 0x42520 0x22C00: hortans hortantis hortaturus hortatus hortata hortandus
""")
HAND["verb_audere"] = bloecke("""
ind akt prae: audeo audes audet audemus audetis audent
ind akt impf: audebam audebas audebat audebamus audebatis audebant
ind akt fut1: audebo audebis audebit audebimus audebitis audebunt
ind akt perf: ausus_sum ausus_es ausus_est ausi_sumus ausi_estis ausi_sunt
ind akt pqpf: ausa_eram ausa_eras ausa_erat ausae_eramus ausae_eratis ausae_erant
ind akt fut2: ausus_ero ausus_eris ausus_erit ausi_erimus ausi_eritis ausi_erunt
konj akt prae: audeam audeas audeat audeamus audeatis audeant
konj akt impf: auderem auderes auderet auderemus auderetis auderent
konj akt perf: ausus_sim ausus_sis ausus_sit ausi_simus ausi_sitis ausi_sint
konj akt pqpf: ausum_essem ausum_esses ausum_esset ausa_essemus ausa_essetis ausa_essent
id 202 205 210 211 213 214: aude audete audeto audeto audetote audento
id 2312 2336 2328: audere ausum_esse ausurum_esse
id 0x5000 0x7000 0x9000 0xB000: audendi audendo audendum audendo
id 0x22508 0x24508 0x22518 0x22520 0x62520 0x22C00: audens audentis ausurus ausus ausum audendus
""")
HAND["verb_ferre"] = bloecke("""
ind akt prae: fero fers fert ferimus fertis ferunt
ind akt impf: ferebam ferebas ferebat ferebamus ferebatis ferebant
ind akt fut1: feram feres feret feremus feretis ferent
ind akt perf: tuli tulisti tulit tulimus tulistis tulerunt
ind akt fut2: tulero tuleris tulerit tulerimus tuleritis tulerint
konj akt prae: feram feras ferat feramus feratis ferant
konj akt impf: ferrem ferres ferret ferremus ferretis ferrent
konj akt pqpf: tulissem tulisses tulisset tulissemus tulissetis tulissent
ind pas prae: feror ferris fertur ferimur ferimini feruntur
ind pas impf: ferebar ferebaris ferebatur ferebamur ferebamini ferebantur
ind pas fut1: ferar fereris feretur feremur feremini ferentur
ind pas perf: latus_sum latus_es latus_est lati_sumus lati_estis lati_sunt
konj pas prae: ferar feraris feratur feramur feramini ferantur
konj pas impf: ferrer ferreris ferretur ferremur ferremini ferrentur
id 202 205 210 211 213 214: fer ferte ferto ferto fertote ferunto
id 2312 2568 2336 2592 2328 2584: ferre ferri tulisse latum_esse laturum_esse latum_iri
id 5121 5122 0x5000 0x9000: latu latum ferendi ferendum
id 0x22508 0x24508 0x22518 0x22620 0x22C00 0x44C00: ferens ferentis laturus latus ferendus ferendae
""")
HAND["verb_venire"] = bloecke("""
ind akt prae: venio venis venit venimus venitis veniunt
ind akt impf: veniebam veniebas veniebat veniebamus veniebatis veniebant
ind akt fut1: veniam venies veniet veniemus venietis venient
ind akt perf: veni venisti venit venimus venistis venerunt
ind akt pqpf: veneram veneras venerat veneramus veneratis venerant
ind akt fut2: venero veneris venerit venerimus veneritis venerint
konj akt prae: veniam venias veniat veniamus veniatis veniant
konj akt impf: venirem venires veniret veniremus veniretis venirent
konj akt perf: venerim veneris venerit venerimus veneritis venerint
konj akt pqpf: venissem venisses venisset venissemus venissetis venissent
id 202 205 210 211 213 214: veni venite venito venito venitote veniunto
id 2312 2336 2328 5121 5122: venire venisse venturum_esse ventu ventum
id 0x5000 0x7000 0x9000 0xB000: veniendi veniendo veniendum veniendo
id 0x22508 0x24508 0x2A508 0x22518 0x42518 0x6C518: veniens venientis veniente venturus ventura ventura
""")


def nomen(text):
    return text.split()


HAND_NOMEN = {
    "subst_rosa": "rosa rosae rosae rosam rosa rosae rosarum rosis rosas rosis",
    "subst_dominus": "dominus domini domino dominum domino domini dominorum dominis dominos dominis",
    "subst_templum": "templum templi templo templum templo templa templorum templis templa templis",
    "subst_castra": "- - - - - castra castrorum castris castra castris",
    "subst_rex": "rex regis regi regem rege reges regum regibus reges regibus",
    "subst_nomen": "nomen nominis nomini nomen nomine nomina nominum nominibus nomina nominibus",
    "subst_mare": "mare maris mari mare mari maria marium maribus maria maribus",
    "subst_cornu": "cornu cornus cornu cornu cornu cornua cornuum cornibus cornua cornibus",
    "subst_fructus": "fructus fructus fructui fructum fructu fructus fructuum fructibus fructus fructibus",
    "subst_res": "res rei rei rem re res rerum rebus res rebus",
    "subst_civis": "civis civis civi civem cive cives civium civibus cives civibus",
}
GENUS = {"f": FEM, "m": MASK, "n": NEUT, "p": MF}
for key, formen in HAND_NOMEN.items():
    g = GENUS[[d for k, d, _ in EINTRAEGE if k == key][0]["form2"]]
    HAND[key] = {(g + kasus_id(i + 1), f) for i, f in enumerate(formen.split()) if f != "-"}

HAND["adj_bonus"] = bloecke("""
id 0xA2000 0xA4000 0xAE000 0xC2000 0xC8000 0xD0000 0xE2000 0xEC000: bonus boni bonorum bona bonam bonis bonum bona
""")
HAND["adj_acer"] = bloecke("""
id 0xA2000 0xA4000 0xA8000 0xAA000 0xC2000 0xE2000 0xE8000 0xEC000 0xEE000: acer acris acrem acri acris acre acre acria acrium
id 0x122000 0x162000 0x168000 0x12C000 0x1A2000 0x1C2000 0x1EC000: acrior acrius acrius acriores acerrimus acerrima acerrima
id 0x280000 0x300000 0x380000: acriter acrius acerrime
""")
HAND["adj_felix"] = bloecke("""
id 0xA2000 0xA4000 0xAA000 0xC2000 0xC8000 0xE2000 0xE8000 0xEC000 0xB0000: felix felicis felici felix felicem felix felix felicia felicibus
id 0x122000 0x162000 0x1A2000 0x280000 0x300000 0x380000: felicior felicius felicissimus feliciter felicius felicissime
""")
HAND["adj_prudens"] = bloecke("""
id 0xA2000 0xA4000 0xA8000 0xAA000 0xE8000 0xEC000 0xAE000: prudens prudentis prudentem prudenti prudens prudentia prudentium
id 0x122000 0x162000 0x1A2000 0x280000 0x300000 0x380000: prudentior prudentius prudentissimus prudenter prudentius prudentissime
""")
HAND["adj_idoneus"] = bloecke("""
id 0xA2000 0xA4000 0xC2000 0xE2000 0xEC000: idoneus idonei idonea idoneum idonea
id 0x122000 0x144000 0x1A2000 0x1EC000 0x280000: magis_idoneus magis_idoneae maxime_idoneus maxime_idonea idonee
""")
HAND["adj_beneficus"] = bloecke("""
id 0xA2000 0xC2000 0xE2000: beneficus benefica beneficum
id 0x122000 0x162000 0x1A2000 0x1C2000 0x280000: beneficentior beneficentius beneficentissimus beneficentissima benefice
""")
HAND["pron_ille"] = bloecke("""
id 0x2000 0x4000 0x6000 0x8000 0xA000 0xC000 0xE000 0x10000 0x12000 0x14000: ille illius illi illum illo illi illorum illis illos illis
""")
HAND["pron_is"] = bloecke("""
id 0x2000 0x4000 0x6000 0x8000 0xA000 0xC000 0xE000: is eius ei eum eo ~ ~
""")
HAND["adv_prope"] = bloecke("""
id 0x122000 0x148000 0x162000 0x168000 0x1AC000 0x1C2000 0x1E2000: propior propiorem propius propius proximi proxima proximum
""")

# Where the rules knowingly differ from Latin: (identifier, rule text, Latin text).
ABWEICHUNG = {
    "verb_audire": [(KURZ + fid("ind", "akt", "perf", 6), "audirunt", "audierunt"),
                    (KURZ + fid("ind", "akt", "pqpf", 1), "audiram", "audieram"),
                    (KURZ + fid("ind", "akt", "fut2", 1), "audiro", "audiero"),
                    (KURZ + fid("konj", "akt", "perf", 1), "audirim", "audierim")],
    "verb_audere": [(2568, "auderi", "-"), (2584, "ausum iri", "-")],
    "verb_venire": [(0x22620, "ventus", "- (only impersonal ventum est)"),
                    (0x22C00, "veniendus", "- (only impersonal veniendum est)")],
    "adj_bonus": [(0x122000, "bonior", "melior"), (0x1A2000, "bonissimus", "optimus"),
                  (0x280000, "bone", "bene"), (0x300000, "bonius", "melius"),
                  (0x380000, "bonissime", "optime")],
    "adj_idoneus": [(0x300000, "idoneius", "magis idonee"), (0x380000, "idoneissime", "maxime idonee")],
    "adj_beneficus": [(0x300000, "beneficius", "beneficentius"),
                      (0x380000, "beneficissime", "beneficentissime")],
}


# ---------------------------------------------------------------- writing
def schreiben(name, d, hinweise):
    e = Eintrag(d)
    zeilen = ["# Golden paradigm: %s (%s, %s). Union of the forms of every node of the" % (
        d["vokabel"], {"v": "verb", "s": "noun", "a": "adjective", "p": "pronoun", "d": "adverb"}[d["wortart"]],
        "class " + (d["konjdekl"] or "none")),
        "# category tree (grammatical categories), special forms applied.",
        "# Columns: form_id, label, text, variante. Made by erzeugen.py, checked by hand."]
    zeilen += ["# " + h for h in hinweise]
    zeilen.append("@eingabe " + json.dumps(d, ensure_ascii=False, separators=(",", ":")))
    alle = []
    for titel, sel in kategorie_selektoren(e):
        L = formen_erzeugen(e, Liste(), sel)
        if not L:
            continue
        zeilen.append("")
        zeilen.append("# %s (selector %d / 0x%X)" % (titel, sel, sel))
        for fid_, bez, text, var in L:
            assert "\t" not in text and "\t" not in bez
            zeilen.append("%d\t%s\t%s\t%d" % (fid_, bez, text, var))
        alle += L
    # hand check against real Latin and the listed differences
    paare = {(f, t) for f, _, t, _ in alle}
    fehlt = sorted(HAND.get(name, set()) - paare)
    if fehlt:
        sys.exit("%s: hand-checked forms missing: %s" % (name, fehlt))
    for f, regel, latein in ABWEICHUNG.get(name, []):
        if (f, regel) not in paare:
            sys.exit("%s: expected rule form %s for %d" % (name, regel, f))
    ids = [f for f, _, _, v in alle if v == 1]
    doppelt = {f for f in ids if ids.count(f) > 1}
    if doppelt:
        sys.exit("%s: identifier twice as regular form: %s" % (name, sorted(doppelt)))
    with open(os.path.join(HIER, name + ".tsv"), "w", encoding="utf-8", newline="\n") as fh:
        fh.write("\n".join(zeilen) + "\n")
    return len(alle), len(HAND.get(name, ()))


if __name__ == "__main__":
    for name, d, hinweise in EINTRAEGE:
        n, h = schreiben(name, d, hinweise)
        print("%-20s %4d forms, %3d checked by hand" % (name, n, h))
