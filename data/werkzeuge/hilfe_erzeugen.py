#!/usr/bin/env python3
"""Writes the help pages of data/hilfe/: one page per help topic number of the
windows plus index.htm. The texts live here so that every page shares the
same frame and style; run it after a change and commit the written files:
    python3 data/werkzeuge/hilfe_erzeugen.py
"""
import html.entities
import os

ZIEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "hilfe")


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


STIL = """<STYLE type="text/css">
body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: 10pt; color: #1a1a1a; background-color: #ffffff; }
h1 { font-size: 16pt; font-weight: bold; color: #1f3f6f; margin-bottom: 6px; }
h2 { font-size: 12pt; font-weight: bold; color: #1f3f6f; margin-top: 14px; margin-bottom: 4px; }
p { margin-top: 4px; margin-bottom: 6px; }
li { margin-bottom: 3px; }
.navi { font-size: 9pt; color: #555555; }
.tipp { background-color: #eef3e6; }
</STYLE>"""

# (topic, title, body). Body is HTML; captions in quotes are those the
# windows show.
SEITEN = []


def seite(nummer, titel, koerper):
    SEITEN.append((nummer, titel, koerper))


seite(1016, "lexovita – Überblick und Hauptfenster", """
<P>lexovita ist ein Trainer für lateinische Vokabeln und Formen. Sie legen Vokabeln in einer Datenbank an,
fassen sie zu Lektionen zusammen, lernen sie in verschiedenen Abfragen und lassen sich jede Form eines Wortes
bilden und bestimmen.</P>
<H2>Lektionen</H2>
<P>Im Hauptfenster ist für jede geöffnete Lektion ein Reiter zu sehen. Ein Sternchen hinter dem Namen
(„Lektion 1 *“) zeigt ungespeicherte Änderungen an.</P>
<UL>
<LI><B>Neue Lektion</B> (Strg+N) legt eine leere Lektion „unbenannt-…“ an.</LI>
<LI><B>Lektion öffnen...</B> (Strg+O) lädt eine gespeicherte Lektion aus einem Lehrbuch.</LI>
<LI><B>Lektion speichern</B> (Strg+S) speichert die Lektion. Hat sie noch keinen Namen oder kein Lehrbuch,
fragt lexovita mit <B>Lektion speichern unter...</B> danach.</LI>
<LI><B>Lektion anhängen</B> fügt die Vokabeln einer gespeicherten Lektion an die aktuelle Lektion an.</LI>
<LI><B>Lektion schließen</B> schließt den Reiter; bei Änderungen werden Sie gefragt, ob gespeichert werden soll.</LI>
<LI><B>Als XML-Datei exportieren...</B> und <B>Als HTML-Datei exportieren...</B> schreiben die Lektion in eine Datei,
<B>Drucken...</B> (Strg+P) druckt Vokabeln und/oder Text der Lektion.</LI>
</UL>
<H2>Seite „Vokabeln“</H2>
<P>Die Liste zeigt die Vokabeln der Lektion mit Formen, Bedeutungen, Wortart und Konjugation bzw. Deklination.
Ein Klick auf eine Spaltenüberschrift sortiert die Liste.</P>
<UL>
<LI>Tippen Sie unter der Liste die ersten Buchstaben einer Vokabel ein: ab zwei Buchstaben schlägt lexovita passende
Vokabeln aus der Datenbank vor. Mit den Pfeiltasten blättern Sie durch die Vorschläge, mit der Eingabetaste oder
<B>Vokabel hinzufügen</B> übernehmen Sie den angezeigten Vorschlag.</LI>
<LI>Gibt es die Vokabel noch nicht, öffnet die Eingabetaste das Fenster <B>Neue Vokabel</B>.</LI>
<LI>Mit der rechten Maustaste erreichen Sie <B>Formentabelle</B>, <B>Bearbeiten</B>, <B>Nach oben</B>,
<B>Nach unten</B>, <B>Eigenschaften</B> und <B>Entfernen</B>. Ein Doppelklick zeigt die Eigenschaften.</LI>
<LI>Die Reihenfolge ändern Sie mit <B>Vokabel nach oben</B>/<B>nach unten</B> oder durch Ziehen mit der Maus.</LI>
</UL>
<H2>Seite „Text“</H2>
<P>Hier steht der lateinische Text der Lektion. Im <B>Eingabe-Modus</B> schreiben und ändern Sie ihn.
Mit <B>Modus „Textanalyse“</B> (Strg+T) analysiert lexovita jedes Wort im Hintergrund; danach ist der Text im
<B>Analyse-Modus</B> gefärbt und nicht mehr änderbar. Ein Klick auf ein Wort zeigt rechts die möglichen Vokabeln und
Formen. Wählen Sie dort eine Form, färbt lexovita die Wörter desselben Satzes, die in <B>Kasus</B>, <B>Numerus</B>
und <B>Genus</B> übereinstimmen (Verknüpfung mit <B>UND</B> oder <B>ODER</B>); die Farben erklärt die Seite
„Legende“. Auf der Seite „Notizen“ halten Sie eigene Notizen zur Lektion fest.</P>
<P><B>Wort nachschlagen</B> sucht das Wort an der Schreibmarke in der Datenbank,
<B>Vokabel zu Lektion hinzufügen</B> übernimmt den Fund in die Lektion.</P>
<H2>Lernen und Werkzeuge</H2>
<UL>
<LI><A href="1037.htm">Vokabeln schriftlich abfragen</A>, <A href="1036.htm">Vokabeln mündlich abfragen</A></LI>
<LI><A href="1013.htm">Formen bilden</A>, <A href="1012.htm">Formen bestimmen</A></LI>
<LI><A href="1068.htm">Vokabeltest erstellen</A>, <A href="1065.htm">Vokabelliste erstellen</A></LI>
<LI><A href="1069.htm">Wörterbuch</A>, <A href="1014.htm">Formenanalyse</A>, <A href="1040.htm">Numerale</A></LI>
<LI><A href="1048.htm">Suchen und Ersetzen</A>, <A href="1058.htm">Vokabel bearbeiten</A>,
<A href="1070.htm">Einstellungen</A></LI>
</UL>
<P>Unter <B>Tools</B> finden Sie außerdem <B>Backup...</B> (alle Tabellen in ein Zip-Archiv sichern oder daraus
wiederherstellen) und <B>Datenbank aufräumen</B> (Tabellen packen und Indizes neu aufbauen; dabei gehen keine Daten
verloren).</P>
""")

seite(1037, "Vokabeln schriftlich abfragen", """
<P>Die schriftliche Abfrage fragt die Vokabeln der aktuellen Lektion nacheinander ab. Sie tippen die Bedeutung ein
(oder, in der anderen Richtung, die lateinische Vokabel) und, falls eingestellt, die Stammformen. lexovita sagt sofort,
ob die Antwort richtig war, und zeigt bei einer falschen Antwort die Lösung.</P>
<H2>So gehen Sie vor</H2>
<OL>
<LI>Lesen Sie die Frage („Was bedeutet...“ bzw. „Welcher Vokabel entspricht...“).</LI>
<LI>Tippen Sie die Antwort ein. Mehrere Bedeutungen trennen Sie durch Kommas. Mit der Eingabetaste springen Sie zum
nächsten Stammform-Feld.</LI>
<LI>Klicken Sie auf <B>Weiter &gt;</B>. Bei „Die Antwort ist richtig!“ geht es mit <B>Weiter &gt;</B> zur
nächsten Vokabel; bei „Die Antwort ist falsch!“ sehen Sie, welche Teile falsch waren, und die vollständige Vokabel.</LI>
</OL>
<P>Hat eine Vokabel Merkhilfen, halten Sie die Maustaste auf der Merkhilfe-Schaltfläche gedrückt, um sie zu sehen.
Rechts zeigt die Auswertung, wie viele Vokabeln abgefragt wurden und wie viel Prozent richtig bzw. falsch waren.</P>
<H2>Am Ende</H2>
<P>Unter „Alle Vokabeln abgefragt“ listet lexovita die Vokabeln, die Sie mindestens so oft falsch beantwortet haben,
wie im Feld „Zeige Vokabeln ab ... mal falsch beantwortet.“ steht. Markieren Sie Vokabeln (oder <B>Alle markieren</B>)
und klicken Sie auf <B>Speichern</B>, um sie als eigene Lektion zum Wiederholen abzulegen. Ist
„Vokabeln zu Datei hinzufügen“ angehakt, werden sie an eine gleichnamige Lektion angehängt, sonst ersetzen sie
deren Vokabeln.</P>
<P class="tipp">Richtung, Stammformen, Mischen, Groß- und Kleinschreibung und die Wiederholung falscher Antworten
stellen Sie unter <A href="1070.htm">Einstellungen</A> ein. <B>Abbrechen</B> beendet die Abfrage jederzeit.</P>
""")

seite(1036, "Vokabeln mündlich abfragen", """
<P>Die mündliche Abfrage ist eine Selbstkontrolle: lexovita zeigt eine Vokabel, Sie antworten laut oder im Kopf und
decken dann die Lösung auf. Es wird nichts getippt, bewertet oder gespeichert.</P>
<H2>So gehen Sie vor</H2>
<UL>
<LI>Die gefragte Vokabel steht fett in der linken Spalte, rechts steht ein „?“.</LI>
<LI><B>Nächste Vokabel</B> (auch Eingabetaste oder Pfeil nach unten) deckt die Lösung auf und stellt gleich die
nächste Frage darunter. So wächst eine Liste aller abgefragten Paare, in der Sie zurückschauen können.</LI>
<LI><B>Vorherige Vokabel</B> (Pfeil nach oben) geht einen Schritt zurück und verdeckt die Lösung wieder.</LI>
<LI>Oben sehen Sie, die wievielte Vokabel gerade dran ist („Vokabel 3 von 12“).</LI>
</UL>
<P class="tipp">Richtung (Latein – Deutsch oder Deutsch – Latein), <B>Vokabeln mischen</B> und
<B>Stammformen anzeigen</B> stellen Sie unter <A href="1070.htm">Einstellungen</A> ein.</P>
<P><B>Abbrechen</B> schließt das Fenster.</P>
""")

seite(1013, "Formen bilden", """
<P>„Formen bilden“ übt die Flexion: lexovita nennt eine Vokabel der aktuellen Lektion und eine grammatische Form,
zum Beispiel „Partizip Perfekt Passiv Nominativ Sg. maskulinum“, und Sie tippen die lateinische Form ein.</P>
<H2>So gehen Sie vor</H2>
<OL>
<LI>Lesen Sie die Aufgabe. Je nach Einstellung sehen Sie dazu die Stammformen und die Konjugation bzw. Deklination.</LI>
<LI>Tippen Sie die Form in das Feld „Form:“ und klicken Sie auf <B>Weiter &gt;</B>.</LI>
<LI>Ist die Antwort richtig, folgt sofort die nächste Aufgabe. War sie falsch, zeigt lexovita
„Die Antwort ist falsch!“ mit Ihrer Antwort und der richtigen Antwort; <B>Weiter &gt;</B> stellt dann die nächste
Aufgabe.</LI>
</OL>
<P>Die Aufgaben werden ohne Ende zufällig gezogen. Die Auswertung zeigt, wie viele Aufgaben Sie bearbeitet haben
und wie viel Prozent richtig bzw. falsch waren.</P>
<P class="tipp">Welche Formen abgefragt werden, legen Sie unter <A href="1070.htm">Einstellungen</A>, Seite
„Formen lernen“, fest. Findet lexovita keine passenden Formen, erscheint „Keine Formen verfügbar!“.</P>
""")

seite(1012, "Formen bestimmen", """
<P>„Formen bestimmen“ ist die Umkehrung von <A href="1013.htm">Formen bilden</A>: lexovita zeigt eine lateinische
Form einer Vokabel der aktuellen Lektion, und Sie bestimmen, welche grammatische Form es ist.</P>
<H2>So gehen Sie vor</H2>
<OL>
<LI>Lesen Sie die Form unter „Aufgabe:“.</LI>
<LI>Wählen Sie im Formenbaum die passende Form aus – etwa unter „Indikativ“, „Aktiv“, „Präsens“ die
„1. Person Sg.“. Manche Formen sind mehrdeutig (zum Beispiel Genitiv Sg. und Nominativ Pl.); dann zählt jede
zutreffende Bestimmung als richtig.</LI>
<LI>Klicken Sie auf <B>Weiter &gt;</B> oder doppelklicken Sie auf die Form. Ist die Antwort richtig, folgt sofort die
nächste Aufgabe; sonst zeigt lexovita Ihre Antwort und alle richtigen Antworten.</LI>
</OL>
<P>Die Auswertung zeigt die Zahl der Aufgaben und den Anteil richtiger und falscher Antworten.
Welche Formen vorkommen, stellen Sie unter <A href="1070.htm">Einstellungen</A> ein.</P>
""")

seite(1014, "Formenanalyse", """
<P>Die Formenanalyse findet heraus, von welcher Vokabel ein lateinisches Wort stammen kann und welche Form es ist.</P>
<H2>So gehen Sie vor</H2>
<OL>
<LI>Tippen Sie das Wort in das Suchfeld und klicken Sie auf <B>Suchen</B> (oder drücken Sie die Eingabetaste).</LI>
<LI>Links erscheinen alle Vokabeln, zu denen das Wort passt. Ist „Verweise anzeigen“ angehakt, stehen darunter auch
die Vokabeln, auf die sie verweisen.</LI>
<LI>Wählen Sie eine Vokabel: rechts sehen Sie Wortart, Stammformen, die erkannten Formen („Erkannte Formen“),
die Bedeutungen und die Merkhilfen.</LI>
</OL>
<H2>Weitere Schaltflächen</H2>
<UL>
<LI><B>Zu Lektion hinzufügen</B> übernimmt die gewählte Vokabel in die aktuelle Lektion.</LI>
<LI><B>Vokabel bearbeiten</B> öffnet die Vokabel im <A href="1058.htm">Vokabel-Editor</A>.</LI>
<LI><B>Formentabelle</B> zeigt alle Formen von Verben, Substantiven, Adjektiven und Pronomen in einer Tabelle.
Über die Sprungliste springen Sie zu einem Abschnitt (etwa „Konjunktiv“ oder „Partizipien“); mit <B>Drucken</B>
drucken Sie die Tabelle aus.</LI>
</UL>
""")

seite(1069, "Wörterbuch", """
<P>Das Wörterbuch zeigt alle Vokabeln der Datenbank, unabhängig von den Lektionen. Sie können in drei Richtungen
suchen:</P>
<UL>
<LI><B>Latein</B>: Liste der Vokabeln, lateinisch nach deutsch.</LI>
<LI><B>Deutsch</B>: Liste der Bedeutungen, deutsch nach lateinisch.</LI>
<LI><B>Merkhilfen</B>: Liste der Merkhilfen in anderen Sprachen.</LI>
</UL>
<H2>So gehen Sie vor</H2>
<P>Tippen Sie die ersten Buchstaben in das Suchfeld; die Liste zeigt sofort die passenden Einträge. Wählen Sie einen
Eintrag, zeigt die Seite „Vokabel“ Bedeutungen, Wortart, Formen, Konjugation bzw. Deklination, Merkhilfen und
Verweise. Die Seite „Formen“ zeigt alle Formen der Vokabel in einem Baum.</P>
<H2>Schaltflächen</H2>
<UL>
<LI><B>Zu Lektion hinzufügen</B>: übernimmt die Vokabel in die aktuelle Lektion.</LI>
<LI><B>Vokabel bearbeiten</B>, <B>Neue Vokabel</B>: öffnen den <A href="1058.htm">Vokabel-Editor</A>.</LI>
<LI><B>Vokabel löschen</B>: löscht die Vokabel nach einer Rückfrage aus dem Wörterbuch und aus allen Lektionen.</LI>
<LI><B>Formentabelle</B>: alle Formen als Tabelle zum Ansehen und Drucken.</LI>
<LI><B>Nächste Vokabel</B>, <B>Vorherige Vokabel</B>: blättern in der Liste.</LI>
</UL>
""")

seite(1040, "Numerale", """
<P>Das Fenster „Numerale“ rechnet zwischen arabischen und römischen Zahlen um und nennt das lateinische Zahlwort
(Kardinalzahl) für die Zahlen von 1 bis 3999.</P>
<H2>So gehen Sie vor</H2>
<P>Tippen Sie in das Feld „Zahl (römisch oder arabisch):“ eine Zahl wie <B>1999</B> oder <B>MCMXCIX</B>.
Das Ergebnis erscheint sofort:</P>
<UL>
<LI>„Römisch:“ bzw. „Arabisch:“ zeigt die umgerechnete Zahl,</LI>
<LI>„Lateinischer Ausdruck:“ das lateinische Zahlwort, etwa <I>mille nongenti nonaginta novem</I>.</LI>
</UL>
<P>Zahlen außerhalb von 1 bis 3999 und römische Zahlen, die nicht in der üblichen Schreibweise stehen (etwa
<I>IIII</I> statt <I>IV</I>), ergeben kein Ergebnis.
<B>Schließen</B> beendet das Fenster.</P>
""")

seite(1048, "Suchen und Ersetzen", """
<P>Dieses Fenster durchsucht den lateinischen Text der aktuellen Lektion (Seite „Text“, nur im Eingabe-Modus) und
ersetzt auf Wunsch Textstellen. Es bleibt über dem Hauptfenster geöffnet, während Sie weiterarbeiten.</P>
<H2>Suchen</H2>
<UL>
<LI>„Suchen nach:“ – der gesuchte Text.</LI>
<LI><B>Groß-/Kleinschreibung</B> und <B>Nur ganze Wörter</B> schränken die Suche ein.</LI>
<LI><B>In Formen suchen</B> findet alle flektierten Formen einer Vokabel: die Suche nach <I>videre</I> findet auch
<I>video</I>, <I>vidit</I> oder <I>visus</I>.</LI>
<LI>„Suchrichtung:“ <B>Nach oben</B> oder <B>Nach unten</B>, „Beginn der Suche:“ <B>Aktuelle Position</B> oder
<B>Textanfang</B>.</LI>
<LI><B>Weitersuchen</B> markiert die nächste Fundstelle.</LI>
</UL>
<H2>Ersetzen</H2>
<P>Tragen Sie unter „Ersetzen durch:“ den neuen Text ein. <B>Ersetzen</B> ersetzt die markierte Fundstelle und sucht
weiter, <B>Alle ersetzen</B> ersetzt alle Fundstellen und meldet am Ende, wie viele Ersetzungen vorgenommen wurden.</P>
""")

seite(1058, "Vokabel bearbeiten", """
<P>Im Vokabel-Editor legen Sie eine neue Vokabel an oder ändern eine vorhandene. Die Angaben verteilen sich auf
sechs Seiten, zwischen denen Sie mit <B>&lt; Zurück</B> und <B>Weiter &gt;</B> wechseln. Erst <B>OK</B> speichert
die Vokabel in der Datenbank; <B>Abbrechen</B> verwirft alle Änderungen.</P>
<H2>Vokabel</H2>
<P>Die Vokabel (bei Verben der Infinitiv Präsens) und die Wortart: Verb, Substantiv, Adjektiv, Adverb, Pronomen
oder „Andere Wortart“. Gibt es schon eine gleichlautende Vokabel, weist lexovita darauf hin.</P>
<H2>Bedeutungen</H2>
<P>Jede Bedeutung hat einen Text, einen Kommentar (erscheint in Klammern) und eine Gruppe. Gruppen trennen
verschiedene Bedeutungsbereiche: „1) lieben, mögen 2) verliebt sein“. Mit <B>Bedeutung hinzufügen</B>,
<B>Bedeutung aktualisieren</B> und <B>Bedeutung entfernen</B> pflegen Sie die Liste. Mindestens eine Bedeutung
ist nötig.</P>
<H2>Attribute</H2>
<P>Je nach Wortart die Stammformen (bei Verben 1. Person Sg. Präsens, Perfekt und Partizip Perfekt Passiv; bei
Substantiven Genitiv und Genus; bei Adjektiven die Formen der drei Genera), die Konjugation bzw. Deklination und
Besonderheiten wie <B>Deponens</B>, <B>Semideponens</B>, <B>Pluralis tantum</B>, <B>Singularis tantum</B> oder
<B>Keine Passiv-Formen</B>. Aus diesen Angaben bildet lexovita alle Formen.</P>
<H2>Sonderformen</H2>
<P>Unregelmäßige Formen, die lexovita nicht nach den Regeln bilden kann, tragen Sie hier ein. Eine Sonderform ersetzt
die gebildete Form überall: in Formentabellen, Abfragen und der Analyse.</P>
<H2>Merkhilfen</H2>
<P>Wörter aus anderen Sprachen, die beim Merken helfen (etwa <I>Amateur</I> oder <I>aimer</I> zu <I>amare</I>),
jeweils mit ihrer Sprache und Flagge.</P>
<H2>Verweise</H2>
<P>Verweise auf verwandte Vokabeln, zum Beispiel vom Verb auf das Substantiv derselben Wortfamilie.</P>
""")

seite(1065, "Vokabelliste aus Text erstellen", """
<P>Dieses Fenster sucht alle Vokabeln heraus, die im lateinischen Text der aktuellen Lektion vorkommen, und
übernimmt die gewählten in eine Lektion.</P>
<H2>So gehen Sie vor</H2>
<OL>
<LI>Wählen Sie <B>Gesamter Text</B> oder <B>Ausgewählter Bereich</B> (den im Text markierten Teil).</LI>
<LI>Klicken Sie auf <B>Liste erstellen</B>. lexovita analysiert jedes Wort; der Fortschrittsbalken zeigt, wie weit es
ist. Mit <B>Abbrechen</B> halten Sie die Suche an – was bis dahin gefunden wurde, bleibt in der Liste.</LI>
<LI>Haken Sie die gewünschten Vokabeln an oder klicken Sie auf <B>Alle auswählen</B>.</LI>
<LI>Wählen Sie, wohin die Vokabeln sollen: <B>Zu aktueller Lektion hinzufügen</B> (dabei <B>Doppelte Vokabeln
zulassen</B> oder <B>Doppelte Vokabeln vermeiden</B>), <B>Aktuelle Lektion überschreiben</B> oder <B>In neuer
Lektion speichern</B>.</LI>
<LI><B>OK</B> übernimmt die Vokabeln. Gespeichert wird die Lektion erst, wenn Sie sie speichern.</LI>
</OL>
""")

seite(1068, "Vokabeltest erstellen", """
<P>Mit diesem Fenster drucken Sie einen Vokabeltest zu der aktuellen Lektion: jede Vokabel mit Nummer und Platz
für die Bedeutung, auf Wunsch auch für Stammformen und Konjugation bzw. Deklination.</P>
<H2>Seite „Vokabeln“</H2>
<P>Haken Sie an, welche Vokabeln im Test vorkommen dürfen. Zu Beginn sind alle ausgewählt; darunter steht, wie viele
Vokabeln vorhanden und wie viele ausgewählt sind.</P>
<H2>Seite „Einstellungen“</H2>
<UL>
<LI><B>Reihenfolge beibehalten</B> oder <B>Vokabeln mischen</B> (jede Vorschau mischt neu).</LI>
<LI><B>Stammformen abfragen</B>: eine Schreibzeile „Formen:“ bei Verben, Substantiven und Adjektiven.</LI>
<LI><B>Konjugation bzw. Deklination abfragen</B>: Schreibzeilen für Konjugation bzw. Deklination (bei Substantiven
auch das Genus).</LI>
</UL>
<H2>Seite „Vorschau“ und Drucken</H2>
<P>Die Vorschau zeigt den Testbogen so, wie er gedruckt wird. <B>Drucken</B> öffnet den Druckdialog und schließt das
Fenster danach. Die Einstellungen merkt sich lexovita für das nächste Mal.</P>
""")

seite(1070, "Einstellungen", """
<P>Hier stellen Sie ein, wie die Abfragen, die Formenübungen, der Texteditor und die Textanalyse arbeiten.
Änderungen wirken sofort; <B>OK</B> speichert sie dauerhaft, <B>Abbrechen</B> verwirft sie.</P>
<H2>Vokabeln lernen</H2>
<UL>
<LI>Richtung der Abfrage (Latein – Deutsch oder Deutsch – Latein).</LI>
<LI><B>Stammformen abfragen</B>: welche Stammformen bei Verben abgefragt werden und welcher Kasus bei Substantiven.</LI>
<LI><B>Vokabeln mischen</B>, <B>Bei falscher Antwort wieder am Anfang beginnen</B>,
<B>Falsch beantwortete Vokabeln mehrfach abfragen</B> (mit Anzahl) und
<B>Groß- und Kleinschreibung unterscheiden</B>.</LI>
<LI><B>Hilfestellung bei der Eingabe über Schriftfarbe</B>: Die Eingabe wird grün, solange sie der Anfang einer
richtigen Antwort ist, sonst rot.</LI>
</UL>
<H2>Formen lernen</H2>
<P>Im Formenbaum haken Sie für Verben, Substantive und Adjektive an, welche Formen in
<A href="1013.htm">Formen bilden</A> und <A href="1012.htm">Formen bestimmen</A> vorkommen dürfen.
<B>Formen holen</B> übernimmt genau die Formen, die im Text der geöffneten Lektion vorkommen. Unter
„Hilfestellungen“ legen Sie fest, ob Stammformen und Konjugation bzw. Deklination angezeigt werden.</P>
<H2>Texteditor und Textanalyse</H2>
<P>Schriftart, Zeilenabstand, Zeilenumbruch, unsichtbare Zeichen und Ziehen mit der Maus für den Lektionstext;
die Farben und Beschriftungen der Legende, mit denen die Textanalyse übereinstimmende Wörter färbt.</P>
<H2>Wörterbuch und Vokabelauswahl</H2>
<P>„1.Prs.Sg. Präsens statt Infinitiv Präsens bei Verben“ im Wörterbuch und ob das Auswahlfenster nach dem Hinzufügen
einer Vokabel geöffnet bleibt.</P>
""")


RAHMEN = """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<HTML>
<HEAD>
<META http-equiv="Content-Type" content="text/html; charset=utf-8">
<TITLE>%(titel)s</TITLE>
%(stil)s
</HEAD>
<BODY>
<P class="navi"><A href="index.htm">Inhalt</A></P>
<H1>%(titel)s</H1>
%(koerper)s
<HR>
<P class="navi"><A href="index.htm">Zurück zum Inhalt</A> &middot; lexovita-Hilfe, Thema %(nummer)s</P>
</BODY>
</HTML>
"""

INDEX = """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<HTML>
<HEAD>
<META http-equiv="Content-Type" content="text/html; charset=utf-8">
<TITLE>lexovita-Hilfe</TITLE>
%(stil)s
</HEAD>
<BODY>
<H1>lexovita-Hilfe</H1>
<P>Willkommen bei lexovita, dem Trainer für lateinische Vokabeln und Formen. Wählen Sie ein Thema:</P>
<UL>
%(eintraege)s
</UL>
</BODY>
</HTML>
"""


def main():
    os.makedirs(ZIEL, exist_ok=True)
    eintraege = []
    for nummer, titel, koerper in SEITEN:
        text = RAHMEN % {"titel": titel, "stil": STIL, "koerper": koerper.strip("\n"), "nummer": nummer}
        with open(os.path.join(ZIEL, "%d.htm" % nummer), "w", encoding="ascii", newline="\n") as f:
            f.write(ascii_html(text))
        eintraege.append('<LI><A href="%d.htm">%s</A></LI>' % (nummer, titel))
    with open(os.path.join(ZIEL, "index.htm"), "w", encoding="ascii", newline="\n") as f:
        f.write(ascii_html(INDEX % {"stil": STIL, "eintraege": "\n".join(eintraege)}))


if __name__ == "__main__":
    main()
