<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Alternation</name>
    <message>
        <source>Watch for raised scale degree 3, 6 or 7</source>
        <translation>Achten Sie auf die erhöhte 3., 6. oder 7. Stufe</translation>
    </message>
    <message>
        <source>Watch for raised scale degree 6 or 7</source>
        <translation>Achten Sie auf die erhöhte 6. oder 7. Stufe</translation>
    </message>
    <message>
        <source>Watch for flat scale degree 3, 6 or 7</source>
        <translation>Achten Sie auf die erniedrigte 3., 6. oder 7. Stufe</translation>
    </message>
</context>
<context>
    <name>AnswerExport</name>
    <message>
        <source>the output cannot be written</source>
        <translation>die Ausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the output cannot be written: %1</source>
        <translation>die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>AnswerMenus</name>
    <message>
        <source>V %1 of %2</source>
        <translation>V %1 von %2</translation>
    </message>
    <message>
        <source>vii-dim %1 of %2</source>
        <translation>vii-verm %1 von %2</translation>
    </message>
</context>
<context>
    <name>AnswerPreparation</name>
    <message>
        <source>You may be missing a natural sign.</source>
        <translation>Möglicherweise fehlt ein Auflösungszeichen.</translation>
    </message>
</context>
<context>
    <name>AnswerPusher</name>
    <message>
        <source>the answer history could not note the answers as sent</source>
        <translation>der Antwortverlauf konnte die Antworten nicht als gesendet vermerken</translation>
    </message>
    <message>
        <source>Class server: all your answers are sent.</source>
        <translation>Klassenserver: alle Antworten sind gesendet.</translation>
    </message>
    <message>
        <source>Class server: 1 answer is waiting to be sent.</source>
        <translation>Klassenserver: 1 Antwort wartet auf das Senden.</translation>
    </message>
    <message>
        <source>Class server: %1 answers are waiting to be sent.</source>
        <translation>Klassenserver: %1 Antworten warten auf das Senden.</translation>
    </message>
    <message>
        <source>Class server: 1 answer is waiting on this computer, because %1. They are kept and sent later.</source>
        <translation>Klassenserver: 1 Antwort wartet auf diesem Computer, weil %1. Sie bleibt erhalten und wird später gesendet.</translation>
    </message>
    <message>
        <source>Class server: %1 answers are waiting on this computer, because %2. They are kept and sent later.</source>
        <translation>Klassenserver: %1 Antworten warten auf diesem Computer, weil %2. Sie bleiben erhalten und werden später gesendet.</translation>
    </message>
</context>
<context>
    <name>AppendJournal</name>
    <message>
        <source>cannot rename %1</source>
        <translation>%1 kann nicht umbenannt werden</translation>
    </message>
</context>
<context>
    <name>AppliedChordGenerator</name>
    <message>
        <source>identify the given applied chord</source>
        <translation>die gegebene Zwischendominante bestimmen</translation>
    </message>
    <message>
        <source>V7 of %1</source>
        <translation>V7 von %1</translation>
    </message>
    <message>
        <source>vii-dim7 of %1</source>
        <translation>vii°7 von %1</translation>
    </message>
</context>
<context>
    <name>AugmentedSixthGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation>den gegebenen Akkord bestimmen</translation>
    </message>
    <message>
        <source>the Italian augmented 6 chord </source>
        <translation>der italienische übermäßige Sextakkord </translation>
    </message>
    <message>
        <source>the French augmented 6 chord </source>
        <translation>der französische übermäßige Terzquartakkord </translation>
    </message>
    <message>
        <source>the German augmented 6 chord </source>
        <translation>der übermäßige Quintsextakkord </translation>
    </message>
</context>
<context>
    <name>Cadences</name>
    <message>
        <source>&amp;Cadences</source>
        <translation>&amp;Kadenzen</translation>
    </message>
    <message>
        <source>cadences</source>
        <translation>Kadenzen</translation>
    </message>
    <message>
        <source>Cadences</source>
        <translation>Kadenzen</translation>
    </message>
    <message>
        <source>Cade&amp;nce Options ...</source>
        <translation>&amp;Kadenzen ...</translation>
    </message>
    <message>
        <source>Ear Training : Cadences</source>
        <translation>Gehörbildung : Kadenzen</translation>
    </message>
    <message>
        <source>Listen to the cadence that sets the key, then name the cadence that ends the phrase.</source>
        <translation>Hören Sie die Kadenz, die die Tonart festlegt, und benennen Sie dann die Kadenz, mit der die Phrase schließt.</translation>
    </message>
    <message>
        <source>--plain-authentic (authentic cadences not named perfect or imperfect), --no-phrygian (no Phrygian half cadence in minor)</source>
        <translation>--plain-authentic (Ganzschlüsse, nicht als vollkommen oder unvollkommen benannt), --no-phrygian (kein phrygischer Halbschluss in Moll)</translation>
    </message>
    <message>
        <source>perfect authentic</source>
        <translation>vollkommener Ganzschluss</translation>
    </message>
    <message>
        <source>imperfect authentic</source>
        <translation>unvollkommener Ganzschluss</translation>
    </message>
    <message>
        <source>authentic</source>
        <translation>Ganzschluss</translation>
    </message>
    <message>
        <source>half</source>
        <translation>Halbschluss</translation>
    </message>
    <message>
        <source>plagal</source>
        <translation>Plagalschluss</translation>
    </message>
    <message>
        <source>deceptive</source>
        <translation>Trugschluss</translation>
    </message>
    <message>
        <source>Phrygian half</source>
        <translation>phrygischer Halbschluss</translation>
    </message>
</context>
<context>
    <name>ChordAnswers</name>
    <message>
        <source>Triad :</source>
        <translation>Dreiklang :</translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation>Septakkord :</translation>
    </message>
    <message>
        <source>V7 of</source>
        <translation>V7 von</translation>
    </message>
    <message>
        <source>vii-dim7 of</source>
        <translation>vii-verm7 von</translation>
    </message>
    <message>
        <source>Augmented 6 :</source>
        <translation>Übermäßiger Sextakkord :</translation>
    </message>
    <message>
        <source>Flat-II (Neapolitan)</source>
        <translation>♭II (Neapolitaner)</translation>
    </message>
    <message>
        <source>ii-dim</source>
        <translation>ii-verm</translation>
    </message>
    <message>
        <source>Flat-III</source>
        <translation>♭III</translation>
    </message>
    <message>
        <source>III-aug</source>
        <translation>III-überm</translation>
    </message>
    <message>
        <source>Flat-VI</source>
        <translation>♭VI</translation>
    </message>
    <message>
        <source>vi-dim</source>
        <translation>vi-verm</translation>
    </message>
    <message>
        <source>vii-dim</source>
        <translation>vii-verm</translation>
    </message>
    <message>
        <source>Flat-VII</source>
        <translation>♭VII</translation>
    </message>
    <message>
        <source>ii-half-dim7</source>
        <translation>ii-halbverm7</translation>
    </message>
    <message>
        <source>III-maj7</source>
        <translation>III-maj7</translation>
    </message>
    <message>
        <source>IV-maj7</source>
        <translation>IV-maj7</translation>
    </message>
    <message>
        <source>VI-maj7</source>
        <translation>VI-maj7</translation>
    </message>
    <message>
        <source>vii-half-dim7</source>
        <translation>vii-halbverm7</translation>
    </message>
    <message>
        <source>vii-dim7</source>
        <translation>vii-verm7</translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation>♭II</translation>
    </message>
    <message>
        <source>IV (or iv)</source>
        <translation>IV (oder iv)</translation>
    </message>
    <message>
        <source>V  (or v)</source>
        <translation>V  (oder v)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>deutscher</translation>
    </message>
    <message>
        <source>French</source>
        <translation>französischer</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italienischer</translation>
    </message>
</context>
<context>
    <name>ChordEarTraining</name>
    <message>
        <source>Chor&amp;d Ear Training ...</source>
        <translation>Akkorde nach &amp;Gehör ...</translation>
    </message>
    <message>
        <source>chord ear train</source>
        <translation>Akkorde hören</translation>
    </message>
    <message>
        <source>Chord Ear Training</source>
        <translation>Akkorde nach Gehör</translation>
    </message>
    <message>
        <source>Ear Training : Chords</source>
        <translation>Gehörbildung : Akkorde</translation>
    </message>
    <message>
        <source>Sounded: </source>
        <translation>Gespielt: </translation>
    </message>
    <message>
        <source>Listen to each chord and name its quality.</source>
        <translation>Hören Sie jeden Akkord und benennen Sie seinen Typ.</translation>
    </message>
    <message>
        <source>triad</source>
        <translation type="vanished">Dreiklang</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation type="vanished">Septakkord</translation>
    </message>
</context>
<context>
    <name>ChordFunctions</name>
    <message>
        <source>Chord &amp;Functions</source>
        <translation>Akkord&amp;funktionen</translation>
    </message>
    <message>
        <source>chord functions</source>
        <translation>Akkordfunktionen</translation>
    </message>
    <message>
        <source>Chord Functions</source>
        <translation>Akkordfunktionen</translation>
    </message>
    <message>
        <source>Chord F&amp;unction Options ...</source>
        <translation>Akkord&amp;funktionen ...</translation>
    </message>
    <message>
        <source>Ear Training : Chord Functions</source>
        <translation>Gehörbildung : Akkordfunktionen</translation>
    </message>
    <message>
        <source>Listen to the cadence, then name the chord by its Roman numeral.</source>
        <translation>Hören Sie die Kadenz und benennen Sie dann den Akkord mit seiner Stufenbezeichnung.</translation>
    </message>
    <message>
        <source>--sevenths, --inverted (inversions, named by figures), --applied (V/x and vii°/x), --borrowed (♭III, ♭VI, ♭VII, iv in major), --neapolitan (N6)</source>
        <translation>--sevenths, --inverted (Umkehrungen, mit Generalbassziffern benannt), --applied (V/x und vii°/x), --borrowed (♭III, ♭VI, ♭VII, iv in Dur), --neapolitan (N6)</translation>
    </message>
</context>
<context>
    <name>ChordIdentification</name>
    <message>
        <source>Chord &amp;Identification</source>
        <translation>&amp;Akkorde bestimmen</translation>
    </message>
    <message>
        <source>chord ID</source>
        <translation>Akkorde bestimmen</translation>
    </message>
    <message>
        <source>Chord Identification</source>
        <translation>Akkorde bestimmen</translation>
    </message>
    <message>
        <source>Notes, lowest first: </source>
        <translation>Töne, tiefster zuerst: </translation>
    </message>
    <message>
        <source>Name each chord and its inversion.</source>
        <translation>Benennen Sie jeden Akkord und seine Umkehrung.</translation>
    </message>
    <message>
        <source>Name each chord with its Roman numeral and figures.</source>
        <translation>Benennen Sie jeden Akkord mit Stufenzahl und Bezifferung.</translation>
    </message>
    <message>
        <source>Name each chord with its Roman numeral.</source>
        <translation>Benennen Sie jeden Akkord mit seiner Stufenzahl.</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>ChordQualityAnswers</name>
    <message>
        <source>Triad :</source>
        <translation>Dreiklang :</translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation>Septakkord :</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>vermindert</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>Moll</translation>
    </message>
    <message>
        <source>major</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>augmented</source>
        <translation>übermäßig</translation>
    </message>
    <message>
        <source>half-diminished</source>
        <translation>halbvermindert</translation>
    </message>
    <message>
        <source>dominant (major-minor)</source>
        <translation>Dominantsept (Dur-Moll)</translation>
    </message>
</context>
<context>
    <name>ChordSpelling</name>
    <message>
        <source>Chord &amp;Spelling</source>
        <translation>Akkorde sch&amp;reiben</translation>
    </message>
    <message>
        <source>chord spell</source>
        <translation>Akkorde schreiben</translation>
    </message>
    <message>
        <source>Chord Spelling</source>
        <translation>Akkorde schreiben</translation>
    </message>
    <message>
        <source>Write each chord on the staff.</source>
        <translation>Schreiben Sie jeden Akkord ins Notensystem.</translation>
    </message>
</context>
<context>
    <name>ClassCommand</name>
    <message>
        <source>Usage: tonalyst class COMMAND --db SERVER [options]

Keeps a class&apos;s answers on a PostgreSQL server. SERVER is a connection URI
(postgresql://host/database), key=value settings, or a service name from
~/.pg_service.conf; passwords come from ~/.pgpass or the service file.

Commands:
  init                                  create the class database&apos;s tables, or upgrade them
  add-student --class NAME --user ID    make a login for a new student of the class (an ID
                                        already in another class is refused: one ID, one student)
  enrol --class NAME --user ID          put an existing student into another class as well
                                        (no new login; that class&apos;s teachers then read all the
                                        student&apos;s answers)
  add-teacher --class NAME[,NAME...] --user ID
                                        make a login for the teacher of those classes
  import --data FILE --user ID          bring the student&apos;s records in a data file to the server,
                                        leaving out those the student&apos;s window has already sent
  report --user ID [period] [--type TYPE]
                                        a performance report, laid out as tonalyst report&apos;s
  summary --class NAME [period] [--csv] one line per student of the class

Period: --last N (the last N days up to today, 1 to 31, default 7), or --from DATE
and --to DATE (as 1998-05-06; --to defaults to today).
TYPE: test, practice, both or composite (default: composite).
</source>
        <translation>Aufruf: tonalyst class COMMAND --db SERVER [Optionen]

Bewahrt die Antworten einer Klasse auf einem PostgreSQL-Server auf. SERVER ist eine
Verbindungs-URI (postgresql://host/database), key=value-Einstellungen oder ein
Dienstname aus ~/.pg_service.conf; Passwörter stammen aus ~/.pgpass oder der Dienstdatei.

Befehle:
  init                                  die Tabellen der Klassendatenbank anlegen oder aktualisieren
  add-student --class NAME --user ID    eine Anmeldung für einen neuen Schüler der Klasse anlegen
                                        (eine ID aus einer anderen Klasse wird abgelehnt:
                                        eine ID, ein Schüler)
  enrol --class NAME --user ID          einen vorhandenen Schüler zusätzlich in eine andere Klasse
                                        aufnehmen (keine neue Anmeldung; die Lehrer dieser Klasse
                                        lesen dann alle Antworten des Schülers)
  add-teacher --class NAME[,NAME...] --user ID
                                        eine Anmeldung für den Lehrer dieser Klassen anlegen
  import --data FILE --user ID          die Einträge des Schülers aus einer Datendatei auf den Server
                                        bringen, ohne die, die sein Fenster schon gesendet hat
  report --user ID [period] [--type TYPE]
                                        ein Leistungsbericht, aufgebaut wie der von tonalyst report
  summary --class NAME [period] [--csv] eine Zeile pro Schüler der Klasse

Zeitraum (period): --last N (die letzten N Tage bis heute, 1 bis 31, Vorgabe 7) oder
--from DATE und --to DATE (wie 1998-05-06; --to ist ohne Angabe heute).
TYPE: test, practice, both oder composite (Vorgabe: composite).
</translation>
    </message>
    <message>
        <source>give one of the commands %1</source>
        <translation>geben Sie einen der Befehle %1 an</translation>
    </message>
    <message>
        <source>%1 is required for %2</source>
        <translation>%1 ist für %2 erforderlich</translation>
    </message>
    <message>
        <source>give one --class</source>
        <translation>geben Sie genau ein --class an</translation>
    </message>
    <message>
        <source>--type must be one of test, practice, both or composite</source>
        <translation>--type muss test, practice, both oder composite sein</translation>
    </message>
</context>
<context>
    <name>ClassSchema</name>
    <message>
        <source>The class database was set up by a newer Tonalyst (schema version %1; this Tonalyst knows versions up to %2). Use a newer Tonalyst with this database.</source>
        <translation>Die Klassendatenbank wurde von einem neueren Tonalyst eingerichtet (Schemaversion %1; dieses Tonalyst kennt Versionen bis %2). Verwenden Sie mit dieser Datenbank ein neueres Tonalyst.</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>could not make a password verifier</source>
        <translation>es konnte kein Passwort-Prüfwert erzeugt werden</translation>
    </message>
    <message>
        <source>The student ID &quot;%1&quot; is already a student of class %2. One ID is one student: to put that student into %3 as well, use tonalyst class enrol --class %3 --user ID; for another student, choose another ID.</source>
        <translation>Die Schüler-ID „%1“ gehört schon zu einem Schüler der Klasse %2. Eine ID ist ein Schüler: um diesen Schüler zusätzlich in %3 aufzunehmen, verwenden Sie tonalyst class enrol --class %3 --user ID; für einen anderen Schüler wählen Sie eine andere ID.</translation>
    </message>
    <message>
        <source>There is no student with the ID &quot;%1&quot; to put into a class; make one with tonalyst class add-student.</source>
        <translation>Es gibt keinen Schüler mit der ID „%1“, der in eine Klasse aufgenommen werden könnte; legen Sie ihn mit tonalyst class add-student an.</translation>
    </message>
    <message>
        <source>There is no class named &quot;%1&quot; that you may read.</source>
        <translation>Es gibt keine Klasse „%1“, die Sie lesen dürfen.</translation>
    </message>
</context>
<context>
    <name>ClassSummaryText</name>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>    Class Summary for period :%1 to %2</source>
        <translation>    Klassenübersicht für den Zeitraum :%1 bis %2</translation>
    </message>
    <message>
        <source>    Class : %1</source>
        <translation>    Klasse : %1</translation>
    </message>
    <message>
        <source>answers</source>
        <translation>Antw.</translation>
    </message>
    <message>
        <source>success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>sec/ques</source>
        <translation>s/Frage</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>spell</source>
        <translation>schreib.</translation>
    </message>
    <message>
        <source>identify</source>
        <translation>bestimm.</translation>
    </message>
    <message>
        <source>ear</source>
        <translation>Gehör</translation>
    </message>
    <message>
        <source>intspell</source>
        <translation>IntSchr</translation>
    </message>
    <message>
        <source>intid</source>
        <translation>IntBest</translation>
    </message>
    <message>
        <source>keysig</source>
        <translation>Vorz.</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>zuletzt</translation>
    </message>
    <message>
        <source>student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>(whole class, %1 students)</source>
        <translation>(ganze Klasse, %1 Schüler)</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>prog.</source>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>cadence</source>
        <translation>Kadenz</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tonalyst [--data-dir DIR]
       tonalyst worksheet [options]   (see tonalyst worksheet --help)
       tonalyst report [options]      (see tonalyst report --help)
       tonalyst history [options]     (see tonalyst history --help)
       tonalyst progress [options]    (see tonalyst progress --help)
       tonalyst class COMMAND [options] (see tonalyst class --help)

Tonalyst, your complete music theory fitness program.

Options:
  --data-dir DIR  keep the performance data file varen.dat in DIR
                  (default: the per-user data folder, ~/.local/share/tonalyst)
  --help          show this text
  --version       show the version

Qt&apos;s own options, such as -style NAME, -platform NAME, -display DISPLAY,
-geometry WxH+X+Y and -reverse, are passed on to Qt.
</source>
        <translation>Aufruf: tonalyst [--data-dir DIR]
        tonalyst worksheet [Optionen]   (siehe tonalyst worksheet --help)
        tonalyst report [Optionen]      (siehe tonalyst report --help)
        tonalyst history [Optionen]     (siehe tonalyst history --help)
        tonalyst progress [Optionen]    (siehe tonalyst progress --help)
        tonalyst class COMMAND [Optionen] (siehe tonalyst class --help)

Tonalyst, Ihr komplettes Trainingsprogramm für Musiktheorie.

Optionen:
  --data-dir DIR  die Leistungsdatendatei varen.dat in DIR aufbewahren
                  (Vorgabe: der Datenordner des Benutzers, ~/.local/share/tonalyst)
  --help          diesen Text zeigen
  --version       die Version zeigen

Qts eigene Optionen wie -style NAME, -platform NAME, -display DISPLAY,
-geometry WxH+X+Y und -reverse werden an Qt weitergegeben.
</translation>
    </message>
    <message>
        <source>tonalyst: %1
Try &apos;tonalyst --help&apos;.
</source>
        <translation>tonalyst: %1
Siehe &apos;tonalyst --help&apos;.
</translation>
    </message>
    <message>
        <source>--data-dir needs a value</source>
        <translation>--data-dir braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 ist erforderlich</translation>
    </message>
    <message>
        <source>--last cannot be combined with --from or --to</source>
        <translation>--last kann nicht mit --from oder --to kombiniert werden</translation>
    </message>
    <message>
        <source>tonalyst %1: %2
Try &apos;tonalyst %1 --help&apos;.
</source>
        <translation>tonalyst %1: %2
Siehe &apos;tonalyst %1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>DurableFile</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the disk refused to store it</source>
        <translation>der Datenträger hat das Speichern verweigert</translation>
    </message>
    <message>
        <source>cannot store %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>its folder could not be synced</source>
        <translation>sein Ordner konnte nicht synchronisiert werden</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>FactRows</name>
    <message>
        <source>the history is not open</source>
        <translation>der Antwortverlauf ist nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>No folder was given.</source>
        <translation>Es wurde kein Ordner angegeben.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>HeardActivity</name>
    <message>
        <source>In the key of %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>Played: %1</source>
        <translation>Gespielt: %1</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>Usage: tonalyst history --user ID [--data-dir DIR] [--from DATE --to DATE | --last N]
                        [--answers N] (--csv | --json)

Writes a student&apos;s answers from the answer history, oldest first, one row each.

  --user ID        whose answers
  --data-dir DIR   the folder of the history (default: the per-user data folder)
  --from DATE      answers from this day on (YYYY-MM-DD, UTC)
  --to DATE        answers up to and including this day
  --last N         the last N days up to today (UTC), as in every tonalyst command
  --answers N      only the latest N answers of the period (what --last used to mean)
  --csv            a header row, then one row per answer (RFC 4180)
  --json           one JSON object per answer and line
  --help           this text
</source>
        <translation>Aufruf: tonalyst history --user ID [--data-dir DIR] [--from DATE --to DATE | --last N]
                         [--answers N] (--csv | --json)

Schreibt die Antworten eines Schülers aus dem Antwortverlauf, älteste zuerst, eine Zeile je Antwort.

  --user ID        wessen Antworten
  --data-dir DIR   der Ordner des Verlaufs (Vorgabe: der Datenordner des Benutzers)
  --from DATE      Antworten ab diesem Tag (JJJJ-MM-TT, UTC)
  --to DATE        Antworten bis einschließlich dieses Tages
  --last N         die letzten N Tage bis heute (UTC), wie in jedem tonalyst-Befehl
  --answers N      nur die letzten N Antworten des Zeitraums (was --last früher hieß)
  --csv            eine Kopfzeile, dann eine Zeile je Antwort (RFC 4180)
  --json           ein JSON-Objekt je Antwort und Zeile
  --help           dieser Text
</translation>
    </message>
    <message>
        <source>%1 must be a date such as 2026-03-01</source>
        <translation>%1 muss ein Datum wie 2026-03-01 sein</translation>
    </message>
    <message>
        <source>--from is after --to</source>
        <translation>--from liegt nach --to</translation>
    </message>
    <message>
        <source>choose one of --csv and --json</source>
        <translation>wählen Sie eines von --csv und --json</translation>
    </message>
    <message>
        <source>tonalyst history: %1
</source>
        <translation>tonalyst history: %1
</translation>
    </message>
</context>
<context>
    <name>HistorySchema</name>
    <message>
        <source>it was made by a newer version of Tonalyst</source>
        <translation>er wurde von einer neueren Version von Tonalyst angelegt</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>the folder %1: %2</source>
        <translation>der Ordner %1: %2</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be read.</source>
        <translation>Der Antwortverlauf %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be read: %2</source>
        <translation>Der Antwortverlauf %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be written.</source>
        <translation>Der Antwortverlauf %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be written: %2</source>
        <translation>Der Antwortverlauf %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged.</source>
        <translation>Der Antwortverlauf %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged: %2</source>
        <translation>Der Antwortverlauf %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>The answer history %1 was made by a newer version of Tonalyst.</source>
        <translation>Der Antwortverlauf %1 wurde von einer neueren Version von Tonalyst angelegt.</translation>
    </message>
    <message>
        <source>The answer history %1 was made by a newer version of Tonalyst: %2</source>
        <translation>Der Antwortverlauf %1 wurde von einer neueren Version von Tonalyst angelegt: %2</translation>
    </message>
    <message>
        <source>The answer history %1 was made by an older version of Tonalyst.</source>
        <translation>Der Antwortverlauf %1 wurde von einer älteren Version von Tonalyst angelegt.</translation>
    </message>
    <message>
        <source>The answer history %1 was made by an older version of Tonalyst: %2</source>
        <translation>Der Antwortverlauf %1 wurde von einer älteren Version von Tonalyst angelegt: %2</translation>
    </message>
    <message>
        <source>the file does not allow write-ahead logging</source>
        <translation>die Datei erlaubt kein Write-Ahead-Logging</translation>
    </message>
    <message>
        <source>start Tonalyst once to bring it up to date</source>
        <translation>starten Sie Tonalyst einmal, um ihn zu aktualisieren</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be renamed aside.</source>
        <translation>Der Antwortverlauf %1 ist beschädigt und kann nicht beiseite umbenannt werden.</translation>
    </message>
    <message>
        <source>The answer history %1 was damaged. It has been renamed %2 and a new history has been started.</source>
        <translation>Der Antwortverlauf %1 war beschädigt. Er wurde in %2 umbenannt, und ein neuer Verlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>the history is not open</source>
        <translation>der Antwortverlauf ist nicht geöffnet</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>er ist nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>InKeyMidiFolder</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>InKeyWorksheet</name>
    <message>
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>Cadence: %1</source>
        <translation>Kadenz: %1</translation>
    </message>
    <message>
        <source>Then: %1</source>
        <translation>Dann: %1</translation>
    </message>
</context>
<context>
    <name>IntervalAnswers</name>
    <message>
        <source>Unison : </source>
        <translation>Prime : </translation>
    </message>
    <message>
        <source>Second :</source>
        <translation>Sekunde :</translation>
    </message>
    <message>
        <source>Third :</source>
        <translation>Terz :</translation>
    </message>
    <message>
        <source>Fourth :</source>
        <translation>Quarte :</translation>
    </message>
    <message>
        <source>Fifth :</source>
        <translation>Quinte :</translation>
    </message>
    <message>
        <source>Sixth :</source>
        <translation>Sexte :</translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation>Septime :</translation>
    </message>
    <message>
        <source>Octave :</source>
        <translation>Oktave :</translation>
    </message>
    <message>
        <source>perfect</source>
        <translation>rein</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>major</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>augmented</source>
        <translation>übermäßig</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>vermindert</translation>
    </message>
</context>
<context>
    <name>IntervalEarTraining</name>
    <message>
        <source>Inter&amp;val Ear Training</source>
        <translation>&amp;Intervalle nach Gehör</translation>
    </message>
    <message>
        <source>interval ear train</source>
        <translation>Intervalle hören</translation>
    </message>
    <message>
        <source>Interval Ear Training</source>
        <translation>Intervalle nach Gehör</translation>
    </message>
    <message>
        <source>Ear Training : Intervals</source>
        <translation>Gehörbildung : Intervalle</translation>
    </message>
    <message>
        <source>Sounded: </source>
        <translation>Gespielt: </translation>
    </message>
    <message>
        <source>Listen to each interval and name it.</source>
        <translation>Hören Sie jedes Intervall und benennen Sie es.</translation>
    </message>
</context>
<context>
    <name>IntervalGenerator</name>
    <message>
        <source>identify the given interval</source>
        <translation>das gegebene Intervall bestimmen</translation>
    </message>
    <message>
        <source>perfect</source>
        <translation>reine</translation>
    </message>
    <message>
        <source>major</source>
        <translation>große</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>kleine</translation>
    </message>
    <message>
        <source>augmented</source>
        <translation>übermäßige</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>verminderte</translation>
    </message>
    <message>
        <source>Unison</source>
        <translation>Prime</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terz</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quarte</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Sixth</source>
        <translation>Sexte</translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation>Septime</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Oktave</translation>
    </message>
    <message>
        <source>%1 %2 : above %3</source>
        <translation>%1 %2 über %3</translation>
    </message>
    <message>
        <source>%1 %2 : below %3</source>
        <translation>%1 %2 unter %3</translation>
    </message>
</context>
<context>
    <name>IntervalIdentification</name>
    <message>
        <source>Interval I&amp;dentification</source>
        <translation>Intervalle &amp;bestimmen</translation>
    </message>
    <message>
        <source>interval ID</source>
        <translation>Intervalle best.</translation>
    </message>
    <message>
        <source>Interval Identification</source>
        <translation>Intervalle bestimmen</translation>
    </message>
    <message>
        <source>Notes, lowest first: </source>
        <translation>Töne, tiefster zuerst: </translation>
    </message>
    <message>
        <source>Name each interval.</source>
        <translation>Benennen Sie jedes Intervall.</translation>
    </message>
</context>
<context>
    <name>IntervalSpelling</name>
    <message>
        <source>Interval S&amp;pelling</source>
        <translation>Intervalle &amp;schreiben</translation>
    </message>
    <message>
        <source>interval spell</source>
        <translation>Intervalle schr.</translation>
    </message>
    <message>
        <source>Interval Spelling</source>
        <translation>Intervalle schreiben</translation>
    </message>
    <message>
        <source>Enter the lower note</source>
        <translation>Unteren Ton eingeben</translation>
    </message>
    <message>
        <source>Enter the upper note</source>
        <translation>Oberen Ton eingeben</translation>
    </message>
    <message>
        <source>%1 below %2</source>
        <translation>%1 unter %2</translation>
    </message>
    <message>
        <source>%1 above %2</source>
        <translation>%1 über %2</translation>
    </message>
    <message>
        <source>Write the note that makes each interval with the note given.</source>
        <translation>Schreiben Sie den Ton, der mit dem gegebenen Ton das Intervall bildet.</translation>
    </message>
</context>
<context>
    <name>Inversion</name>
    <message>
        <source>(root position)</source>
        <translation>(Grundstellung)</translation>
    </message>
    <message>
        <source>(1st inversion)</source>
        <translation>(1. Umkehrung)</translation>
    </message>
    <message>
        <source>(2nd inversion)</source>
        <translation>(2. Umkehrung)</translation>
    </message>
    <message>
        <source>(3rd inversion)</source>
        <translation>(3. Umkehrung)</translation>
    </message>
</context>
<context>
    <name>InversionAnswers</name>
    <message>
        <source>(root position)</source>
        <translation>(Grundstellung)</translation>
    </message>
    <message>
        <source>(1st inversion)</source>
        <translation>(1. Umkehrung)</translation>
    </message>
    <message>
        <source>(2nd inversion)</source>
        <translation>(2. Umkehrung)</translation>
    </message>
    <message>
        <source>(3rd inversion)</source>
        <translation>(3. Umkehrung)</translation>
    </message>
    <message>
        <source>(inversion)</source>
        <translation>(Umkehrung)</translation>
    </message>
</context>
<context>
    <name>KeyAnswers</name>
    <message>
        <source>major :</source>
        <translation>Dur :</translation>
    </message>
    <message>
        <source>minor :</source>
        <translation>Moll :</translation>
    </message>
</context>
<context>
    <name>KeySignatureIdentification</name>
    <message>
        <source>&amp;Key Signature Identification</source>
        <translation>&amp;Vorzeichnung bestimmen</translation>
    </message>
    <message>
        <source>key signature ID</source>
        <translation>Vorzeichnung best.</translation>
    </message>
    <message>
        <source>Key Signature Identification</source>
        <translation>Vorzeichnung bestimmen</translation>
    </message>
    <message>
        <source>Key signature: no sharps or flats</source>
        <translation>Vorzeichnung: keine Vorzeichen</translation>
    </message>
    <message>
        <source>Key signature: </source>
        <translation type="vanished">Vorzeichnung: </translation>
    </message>
    <message>
        <source>Name the key of each key signature.</source>
        <translation>Benennen Sie die Tonart jeder Vorzeichnung.</translation>
    </message>
    <message>
        <source>Key signature: 1 sharp</source>
        <translation>Vorzeichnung: 1 Kreuz</translation>
    </message>
    <message>
        <source>Key signature: 1 flat</source>
        <translation>Vorzeichnung: 1 B</translation>
    </message>
    <message>
        <source>Key signature: %1 sharps</source>
        <translation>Vorzeichnung: %1 Kreuze</translation>
    </message>
    <message>
        <source>Key signature: %1 flats</source>
        <translation>Vorzeichnung: %1 Be</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Utility    </source>
        <translation>&amp;Extras    </translation>
    </message>
    <message>
        <source>Performance &amp;Report ....</source>
        <translation>&amp;Leistungsbericht ....</translation>
    </message>
    <message>
        <source>&amp;Progress ...</source>
        <translation>&amp;Fortschritt ...</translation>
    </message>
    <message>
        <source>&amp;Class Server ...</source>
        <translation>&amp;Klassenserver ...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Activity    </source>
        <translation>&amp;Aktivität    </translation>
    </message>
    <message>
        <source>&amp;Method    </source>
        <translation>&amp;Methode    </translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>Ü&amp;ben</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Options    </source>
        <translation>&amp;Optionen    </translation>
    </message>
    <message>
        <source>&amp;Key Settings ....</source>
        <translation>&amp;Tonarten ....</translation>
    </message>
    <message>
        <source>C&amp;hord Settings ....</source>
        <translation>&amp;Akkorde ....</translation>
    </message>
    <message>
        <source>In&amp;versions ....</source>
        <translation>&amp;Umkehrungen ....</translation>
    </message>
    <message>
        <source>&amp;Interval Selection ...</source>
        <translation>&amp;Intervallauswahl ...</translation>
    </message>
    <message>
        <source>&amp;Ear Training Chord Selection ...</source>
        <translation>Akkorde nach &amp;Gehör ...</translation>
    </message>
    <message>
        <source>&amp;Clef Selection ...</source>
        <translation>&amp;Schlüsselauswahl ...</translation>
    </message>
    <message>
        <source>&amp;Key Signature Display ....</source>
        <translation>&amp;Vorzeichnung anzeigen ....</translation>
    </message>
    <message>
        <source>&amp;Test Length ....</source>
        <translation>Test&amp;länge ....</translation>
    </message>
    <message>
        <source>Favor &amp;Weak Spots</source>
        <translation>Sch&amp;wächen bevorzugen</translation>
    </message>
    <message>
        <source>&amp;Environment   </source>
        <translation>&amp;Umgebung   </translation>
    </message>
    <message>
        <source>&amp;Tones off</source>
        <translation>&amp;Töne aus</translation>
    </message>
    <message>
        <source>&amp;Beep off</source>
        <translation>&amp;Piepton aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Auto Shutdown ....</source>
        <translation>&amp;Automatisch beenden ....</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Search for Help on ....</source>
        <translation>&amp;Suche in der Hilfe ....</translation>
    </message>
    <message>
        <source>Contents                  F1</source>
        <translation>Inhalt                    F1</translation>
    </message>
    <message>
        <source>&amp;Theory Help</source>
        <translation>&amp;Theorie-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Program Help</source>
        <translation>&amp;Programm-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tonalyst ....</source>
        <translation>Ü&amp;ber Tonalyst ....</translation>
    </message>
    <message>
        <source>Chords</source>
        <translation>Akkorde</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Ear Training Chords</source>
        <translation>Akkorde nach Gehör</translation>
    </message>
    <message>
        <source>keysig</source>
        <translation>Vorzeichnung</translation>
    </message>
    <message>
        <source>&amp;MIDI Input ...</source>
        <translation>&amp;MIDI-Eingabe ...</translation>
    </message>
    <message>
        <source>Res&amp;pell Last Note</source>
        <translation>Letzten Ton um&amp;deuten</translation>
    </message>
    <message>
        <source>&amp;Language ...</source>
        <translation>Sp&amp;rache ...</translation>
    </message>
</context>
<context>
    <name>NeapolitanGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation>den gegebenen Akkord bestimmen</translation>
    </message>
    <message>
        <source>the Flat-II (Neapolitan) chord </source>
        <translation>den Neapolitanischen Sextakkord (bII) </translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>Do</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Re</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>La</source>
        <translation>La</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>Auflösungszeichen</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>b</translation>
    </message>
    <message>
        <source>double sharp</source>
        <translation>Doppelkreuz</translation>
    </message>
    <message>
        <source>double flat</source>
        <translation>Doppel-b</translation>
    </message>
    <message>
        <source>%1 minor</source>
        <translation>%1-Moll</translation>
    </message>
    <message>
        <source>%1 major</source>
        <translation>%1-Dur</translation>
    </message>
</context>
<context>
    <name>NoteText</name>
    <message>
        <source>is not a note name</source>
        <translation>ist kein Notenname</translation>
    </message>
    <message>
        <source>is below the staff</source>
        <translation>liegt unter dem Notensystem</translation>
    </message>
    <message>
        <source>is above the staff</source>
        <translation>liegt über dem Notensystem</translation>
    </message>
    <message>
        <source>treble clef</source>
        <translation>Violinschlüssel</translation>
    </message>
    <message>
        <source>bass clef</source>
        <translation>Bassschlüssel</translation>
    </message>
    <message>
        <source>key signature without sharps or flats</source>
        <translation>Vorzeichnung ohne Vorzeichen</translation>
    </message>
    <message>
        <source>key signature of %1 flat</source>
        <translation>Vorzeichnung mit %1 b</translation>
    </message>
    <message>
        <source>key signature of %1 flats</source>
        <translation>Vorzeichnung mit %1 b</translation>
    </message>
    <message>
        <source>key signature of %1 sharp</source>
        <translation>Vorzeichnung mit %1 Kreuz</translation>
    </message>
    <message>
        <source>key signature of %1 sharps</source>
        <translation>Vorzeichnung mit %1 Kreuzen</translation>
    </message>
    <message>
        <source>no notes</source>
        <translation>keine Töne</translation>
    </message>
    <message>
        <source>has no key of its own on the keyboard</source>
        <translation>hat keine eigene Taste auf der Tastatur</translation>
    </message>
    <message>
        <source>is outside the keyboard&apos;s range</source>
        <translation>liegt außerhalb des Tastaturumfangs</translation>
    </message>
    <message>
        <source>stands where a note is already entered</source>
        <translation>steht dort, wo schon ein Ton eingegeben ist</translation>
    </message>
    <message>
        <source>is one more than the %1 note the question takes</source>
        <translation>ist einer mehr als der %1 Ton, den die Frage verlangt</translation>
    </message>
    <message>
        <source>is one more than the %1 notes the question takes</source>
        <translation>ist einer mehr als die %1 Töne, die die Frage verlangt</translation>
    </message>
    <message>
        <source>sounds on a key that another spelling already takes</source>
        <translation>klingt auf einer Taste, die schon eine andere Schreibweise belegt</translation>
    </message>
</context>
<context>
    <name>PaperChords</name>
    <message>
        <source>diminished triad</source>
        <translation>verminderter Dreiklang</translation>
    </message>
    <message>
        <source>minor triad</source>
        <translation>Moll-Dreiklang</translation>
    </message>
    <message>
        <source>major triad</source>
        <translation>Dur-Dreiklang</translation>
    </message>
    <message>
        <source>augmented triad</source>
        <translation>übermäßiger Dreiklang</translation>
    </message>
    <message>
        <source>triad</source>
        <translation>Dreiklang</translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation>verminderter Septakkord</translation>
    </message>
    <message>
        <source>half-diminished seventh</source>
        <translation>halbverminderter Septakkord</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>Moll-Septakkord</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>großer Dur-Septakkord</translation>
    </message>
    <message>
        <source>dominant seventh</source>
        <translation>Dominantseptakkord</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation>Septakkord</translation>
    </message>
</context>
<context>
    <name>PaperText</name>
    <message>
        <source>In the key of %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>(played: %1)</source>
        <translation>(gespielt: %1)</translation>
    </message>
    <message>
        <source>perfect unison</source>
        <translation>reine Prime</translation>
    </message>
    <message>
        <source>minor second</source>
        <translation>kleine Sekunde</translation>
    </message>
    <message>
        <source>major second</source>
        <translation>große Sekunde</translation>
    </message>
    <message>
        <source>augmented second</source>
        <translation>übermäßige Sekunde</translation>
    </message>
    <message>
        <source>diminished third</source>
        <translation>verminderte Terz</translation>
    </message>
    <message>
        <source>minor third</source>
        <translation>kleine Terz</translation>
    </message>
    <message>
        <source>major third</source>
        <translation>große Terz</translation>
    </message>
    <message>
        <source>diminished fourth</source>
        <translation>verminderte Quarte</translation>
    </message>
    <message>
        <source>perfect fourth</source>
        <translation>reine Quarte</translation>
    </message>
    <message>
        <source>augmented fourth</source>
        <translation>übermäßige Quarte</translation>
    </message>
    <message>
        <source>diminished fifth</source>
        <translation>verminderte Quinte</translation>
    </message>
    <message>
        <source>perfect fifth</source>
        <translation>reine Quinte</translation>
    </message>
    <message>
        <source>augmented fifth</source>
        <translation>übermäßige Quinte</translation>
    </message>
    <message>
        <source>minor sixth</source>
        <translation>kleine Sexte</translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation>große Sexte</translation>
    </message>
    <message>
        <source>augmented sixth</source>
        <translation>übermäßige Sexte</translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation>verminderte Septime</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>kleine Septime</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>große Septime</translation>
    </message>
    <message>
        <source>perfect octave</source>
        <translation>reine Oktave</translation>
    </message>
</context>
<context>
    <name>PdfWorksheetPrinter</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PerformanceDataFile</name>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the records of an interrupted run are still waiting to be added to %1 (%2)</source>
        <translation>die Einträge eines unterbrochenen Laufs warten noch darauf, zu %1 hinzugefügt zu werden (%2)</translation>
    </message>
    <message>
        <source>%1 vanished</source>
        <translation>%1 ist verschwunden</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>the seal of %1 is missing</source>
        <translation>das Siegel von %1 fehlt</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>no folder could take the records</source>
        <translation>kein Ordner konnte die Einträge aufnehmen</translation>
    </message>
</context>
<context>
    <name>PgConnection</name>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr</translation>
    </message>
    <message>
        <source>stopped by Tonalyst</source>
        <translation>von Tonalyst abgebrochen</translation>
    </message>
    <message>
        <source>no answer from the server within %1 seconds</source>
        <translation>keine Antwort vom Server innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>local</source>
        <translation>lokal</translation>
    </message>
    <message>
        <source>the class server cannot be reached (it may be switched off, or the network is down)</source>
        <translation>der Klassenserver ist nicht erreichbar (er ist vielleicht ausgeschaltet, oder das Netz ist gestört)</translation>
    </message>
    <message>
        <source>the class server did not answer in time</source>
        <translation>der Klassenserver hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>the class server did not accept your login (ask your teacher to check your password)</source>
        <translation>der Klassenserver hat Ihre Anmeldung nicht angenommen (bitten Sie Ihren Lehrer, Ihr Passwort zu prüfen)</translation>
    </message>
    <message>
        <source>the class server refused the answers (ask your teacher to check your class login)</source>
        <translation>der Klassenserver hat die Antworten abgelehnt (bitten Sie Ihren Lehrer, Ihre Klassenanmeldung zu prüfen)</translation>
    </message>
    <message>
        <source>Tonalyst was closed while sending</source>
        <translation>Tonalyst wurde während des Sendens geschlossen</translation>
    </message>
    <message>
        <source>the class server reported a problem</source>
        <translation>der Klassenserver hat ein Problem gemeldet</translation>
    </message>
</context>
<context>
    <name>Pitch</name>
    <message>
        <source>-natural</source>
        <translation type="vanished">-natural</translation>
    </message>
    <message>
        <source>-sharp</source>
        <translation type="vanished">-sharp</translation>
    </message>
    <message>
        <source>-flat</source>
        <translation type="vanished">-flat</translation>
    </message>
    <message>
        <source>-double-sharp</source>
        <translation type="vanished">-double-sharp</translation>
    </message>
    <message>
        <source>-double-flat</source>
        <translation type="vanished">-double-flat</translation>
    </message>
    <message>
        <source> natural</source>
        <translation type="vanished"> natural</translation>
    </message>
    <message>
        <source> sharp</source>
        <translation type="vanished"> sharp</translation>
    </message>
    <message>
        <source> flat</source>
        <translation type="vanished"> flat</translation>
    </message>
    <message>
        <source> double sharp</source>
        <translation type="vanished"> double sharp</translation>
    </message>
    <message>
        <source> double flat</source>
        <translation type="vanished"> double flat</translation>
    </message>
    <message>
        <source>-natural </source>
        <translation type="vanished">-natural </translation>
    </message>
    <message>
        <source>-sharp </source>
        <translation type="vanished">-sharp </translation>
    </message>
    <message>
        <source>-dblShrp</source>
        <translation type="vanished">-dblShrp</translation>
    </message>
    <message>
        <source>-dblFlat</source>
        <translation type="vanished">-dblFlat</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Success rate</source>
        <translation>Erfolgsquote</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Sekunden pro Frage</translation>
    </message>
    <message>
        <source>Practice success rate</source>
        <translation>Erfolgsquote Üben</translation>
    </message>
    <message>
        <source>Practice time per question</source>
        <translation>Zeit pro Frage Üben</translation>
    </message>
    <message>
        <source>Test success rate</source>
        <translation>Erfolgsquote Test</translation>
    </message>
    <message>
        <source>Test time per question</source>
        <translation>Zeit pro Frage Test</translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation>Diagramm %1</translation>
    </message>
    <message>
        <source>Success rate and time per question over the period, practice and test apart. The table below the chart gives every figure.</source>
        <translation>Erfolgsquote und Zeit pro Frage im Zeitraum, Üben und Test getrennt. Die Tabelle unter dem Diagramm nennt jeden Wert.</translation>
    </message>
</context>
<context>
    <name>ProgressCommand</name>
    <message>
        <source>Usage: tonalyst progress --user ID [--data-dir DIR] [--from DATE --to DATE | --last N] --json

Writes the figures of Utility &gt; Progress for a period as one JSON object: per activity
and day (week, beyond 31 days) the questions, success rate and seconds per question of
practice and test, the weak spots, the confusions and the kinds of spelling mistake.
Days are local days, as in the window.

  --user ID        whose answers
  --data-dir DIR   the folder of the history (default: the per-user data folder)
  --last N         the last N days up to today (default: 30)
  --from DATE      first day, as 2026-05-06 or 6 May 26 (default with --to: the first
                   answer)
  --to DATE        last day (default: today)
  --json           the figures as JSON (the only form)
  --help           this text
</source>
        <translation>Aufruf: tonalyst progress --user ID [--data-dir DIR] [--from DATE --to DATE | --last N] --json

Schreibt die Zahlen von Extras &gt; Fortschritt für einen Zeitraum als ein JSON-Objekt: je Aktivität
und Tag (Woche, über 31 Tage hinaus) die Fragen, die Erfolgsquote und die Sekunden pro Frage
von Üben und Test, die Schwachstellen, die Verwechslungen und die Arten von Schreibfehlern.
Tage sind Ortstage, wie im Fenster.

  --user ID        wessen Antworten
  --data-dir DIR   der Ordner des Verlaufs (Vorgabe: der Datenordner des Benutzers)
  --last N         die letzten N Tage bis heute (Vorgabe: 30)
  --from DATE      erster Tag, wie 2026-05-06 oder 6 May 26 (Vorgabe mit --to: die erste
                   Antwort)
  --to DATE        letzter Tag (Vorgabe: heute)
  --json           die Zahlen als JSON (die einzige Form)
  --help           dieser Text
</translation>
    </message>
    <message>
        <source>%1 needs a date such as 2026-05-06 or 6 May 26, not &quot;%2&quot;</source>
        <translation>%1 braucht ein Datum wie 2026-05-06 oder 6 May 26, nicht „%2“</translation>
    </message>
    <message>
        <source>--from is after --to</source>
        <translation>--from liegt nach --to</translation>
    </message>
    <message>
        <source>tonalyst progress: there is no answer history %1
</source>
        <translation>tonalyst progress: es gibt keinen Antwortverlauf %1
</translation>
    </message>
    <message>
        <source>tonalyst progress: %1
</source>
        <translation>tonalyst progress: %1
</translation>
    </message>
    <message>
        <source>tonalyst progress: the figures could not be written: %1
</source>
        <translation>tonalyst progress: die Zahlen konnten nicht geschrieben werden: %1
</translation>
    </message>
</context>
<context>
    <name>ProgressDesktop</name>
    <message>
        <source>The answer history %1 cannot be read.</source>
        <translation>Der Antwortverlauf %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ProgressStatistics</name>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>%1 answered as %2</source>
        <translation>%1 beantwortet als %2</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 von %3</translation>
    </message>
    <message>
        <source>%1 heard as %2</source>
        <translation>%1 gehört als %2</translation>
    </message>
</context>
<context>
    <name>Progressions</name>
    <message>
        <source>Pr&amp;ogressions</source>
        <translation>Akkordf&amp;olgen</translation>
    </message>
    <message>
        <source>progressions</source>
        <translation>Akkordfolgen</translation>
    </message>
    <message>
        <source>Progressions</source>
        <translation>Akkordfolgen</translation>
    </message>
    <message>
        <source>Pro&amp;gression Options ...</source>
        <translation>Akkordf&amp;olgen ...</translation>
    </message>
    <message>
        <source>Ear Training : Progressions</source>
        <translation>Gehörbildung : Akkordfolgen</translation>
    </message>
    <message>
        <source>Listen to the cadence, then name every chord of the progression by its Roman numeral.</source>
        <translation>Hören Sie die Kadenz und benennen Sie dann jeden Akkord der Folge mit seiner Stufenbezeichnung.</translation>
    </message>
    <message>
        <source>--sevenths, --inverted, --length N or MIN-MAX (chords, 3 to 6, default 3-4)</source>
        <translation>--sevenths, --inverted, --length N oder MIN-MAX (Akkorde, 3 bis 6, Vorgabe 3-4)</translation>
    </message>
</context>
<context>
    <name>QuestionCycle</name>
    <message>
        <source>That is not correct. <byte value="xd"/>
<byte value="xd"/>
Do you want to try again? <byte value="xd"/>
(Choose No to see answer)</source>
        <translation>Das ist nicht richtig. <byte value="xd"/>
<byte value="xd"/>
Möchten Sie es noch einmal versuchen? <byte value="xd"/>
(Nein zeigt die Antwort)</translation>
    </message>
    <message>
        <source>Wrong: hit ok for next question</source>
        <translation>Falsch: OK für die nächste Frage</translation>
    </message>
    <message>
        <source>Good work: hit OK for next question</source>
        <translation>Gut gemacht: OK für die nächste Frage</translation>
    </message>
    <message>
        <source>Test Complete.  Hit OK to continue</source>
        <translation>Test beendet.  OK zum Fortfahren</translation>
    </message>
    <message>
        <source>Test complete: Do you wish to review any errors ?</source>
        <translation>Test beendet: Möchten Sie Ihre Fehler ansehen?</translation>
    </message>
    <message>
        <source>The right answer is :</source>
        <translation>Die richtige Antwort ist :</translation>
    </message>
    <message>
        <source>Question # %1</source>
        <translation>Frage Nr. %1</translation>
    </message>
    <message>
        <source>No question can be made with the chosen settings.</source>
        <translation>Mit den gewählten Einstellungen lässt sich keine Frage stellen.</translation>
    </message>
    <message>
        <source>enter  %1</source>
        <translation>eingeben  %1</translation>
    </message>
    <message>
        <source>Your answer is ...</source>
        <translation>Ihre Antwort ist ...</translation>
    </message>
    <message>
        <source>No errors to check</source>
        <translation>Keine Fehler zu prüfen</translation>
    </message>
    <message>
        <source>Make corrections and press OK</source>
        <translation>Korrigieren Sie und drücken Sie OK</translation>
    </message>
    <message>
        <source>Still wrong: the right answer is :</source>
        <translation>Immer noch falsch: die richtige Antwort ist :</translation>
    </message>
    <message>
        <source>You got it this time: hit ok to review next question</source>
        <translation>Diesmal richtig: OK für den nächsten Fehler</translation>
    </message>
    <message>
        <source>Your answer was ...</source>
        <translation>Ihre Antwort war ...</translation>
    </message>
    <message>
        <source>Question # %1 was...</source>
        <translation>Frage Nr. %1 war...</translation>
    </message>
    <message>
        <source>No More errors to check</source>
        <translation>Keine weiteren Fehler zu prüfen</translation>
    </message>
</context>
<context>
    <name>QuestionMaker</name>
    <message>
        <source>identify the given MINOR key</source>
        <translation>die gegebene MOLL-Tonart bestimmen</translation>
    </message>
    <message>
        <source>identify the given MAJOR key</source>
        <translation>die gegebene DUR-Tonart bestimmen</translation>
    </message>
</context>
<context>
    <name>RecordMessages</name>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.</source>
        <translation>Unerlaubte Änderung an Varen.dat entdeckt.  Datenerfassung und Berichte sind abgeschaltet.  Benennen Sie Varen.dat um oder löschen Sie sie, um diese Funktionen wiederherzustellen.</translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They could not be saved anywhere else either and are lost.</source>
        <translation>Die Leistungsdaten dieses Laufs konnten nicht in %1 geschrieben werden (%2).  Sie konnten auch nirgends sonst gespeichert werden und sind verloren.</translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They were saved in %3 instead.</source>
        <translation>Die Leistungsdaten dieses Laufs konnten nicht in %1 geschrieben werden (%2).  Sie wurden stattdessen in %3 gespeichert.</translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They are kept safe and will be added to it when Tonalyst next starts.</source>
        <translation>Die Leistungsdaten dieses Laufs konnten nicht in %1 geschrieben werden (%2).  Sie sind sicher aufbewahrt und werden beim nächsten Start von Tonalyst hinzugefügt.</translation>
    </message>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.  The records of this run could not be saved elsewhere either and are lost.</source>
        <translation>Unerlaubte Änderung an Varen.dat entdeckt.  Datenerfassung und Berichte sind abgeschaltet.  Benennen Sie Varen.dat um oder löschen Sie sie, um diese Funktionen wiederherzustellen.  Die Einträge dieses Laufs konnten auch nirgends sonst gespeichert werden und sind verloren.</translation>
    </message>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.  The records of this run were saved in %1.</source>
        <translation>Unerlaubte Änderung an Varen.dat entdeckt.  Datenerfassung und Berichte sind abgeschaltet.  Benennen Sie Varen.dat um oder löschen Sie sie, um diese Funktionen wiederherzustellen.  Die Einträge dieses Laufs wurden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>The records of a run that was cut short could not be added to %1 because the file has been changed since.  They were saved in %2.</source>
        <translation>Die Einträge eines abgebrochenen Laufs konnten nicht zu %1 hinzugefügt werden, weil die Datei inzwischen geändert wurde.  Sie wurden in %2 gespeichert.</translation>
    </message>
    <message>
        <source>Tonalyst cannot keep performance records in %1 (%2).  The records of your runs will be saved elsewhere where possible.</source>
        <translation>Tonalyst kann in %1 keine Leistungsdaten aufbewahren (%2).  Die Einträge Ihrer Läufe werden, wo möglich, anderswo gespeichert.</translation>
    </message>
</context>
<context>
    <name>RecordParser</name>
    <message>
        <source>The line has more than nine fields.</source>
        <translation>Die Zeile hat mehr als neun Felder.</translation>
    </message>
    <message>
        <source>A quoted text is not closed.</source>
        <translation>Ein Text in Anführungszeichen ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>A date is not closed.</source>
        <translation>Ein Datum ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>Field %1 goes on after its closing quote.</source>
        <translation>Feld %1 geht nach seinem schließenden Anführungszeichen weiter.</translation>
    </message>
    <message>
        <source>Field %1 goes on after its closing number sign.</source>
        <translation>Feld %1 geht nach seinem schließenden Nummernzeichen weiter.</translation>
    </message>
    <message>
        <source>Field %1 holds a stray quote or number sign.</source>
        <translation>Feld %1 enthält ein verirrtes Anführungs- oder Nummernzeichen.</translation>
    </message>
    <message>
        <source>a text in double quotes</source>
        <translation>ein Text in doppelten Anführungszeichen</translation>
    </message>
    <message>
        <source>a date such as #1998-05-12#</source>
        <translation>ein Datum wie #1998-05-12#</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>Die Zeile ist länger als %1 Bytes.</translation>
    </message>
    <message>
        <source>The line is empty.</source>
        <translation>Die Zeile ist leer.</translation>
    </message>
    <message>
        <source>The line holds control characters or binary data.</source>
        <translation>Die Zeile enthält Steuerzeichen oder Binärdaten.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>Die Zeile ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The line has %1 fields instead of nine.</source>
        <translation>Die Zeile hat %1 Felder statt neun.</translation>
    </message>
    <message>
        <source>Field %1 should be %2.</source>
        <translation>Feld %1 sollte %2 sein.</translation>
    </message>
    <message>
        <source>Field 2 is not a real date such as #1998-05-12#.</source>
        <translation>Feld 2 ist kein gültiges Datum wie #1998-05-12#.</translation>
    </message>
    <message>
        <source>Field %1 should be a whole number.</source>
        <translation>Feld %1 sollte eine ganze Zahl sein.</translation>
    </message>
</context>
<context>
    <name>RecordsLock</name>
    <message>
        <source>cannot create the lock file %1</source>
        <translation>die Sperrdatei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>another Tonalyst keeps the data file locked</source>
        <translation>ein anderes Tonalyst hält die Datendatei gesperrt</translation>
    </message>
</context>
<context>
    <name>ReportBytes</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file was cut short while it was read</source>
        <translation>die Datei wurde beim Lesen gekürzt</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Usage: tonalyst report --user ID [options]

Compiles a performance report from a data file, as Utility &gt; Performance Report does.

Options:
  --user ID         the user to report on (required)
  --data FILE       the data file (default: varen.dat in the data folder)
  --data-dir DIR    the data folder (default: ~/.local/share/tonalyst)
  --last N          the last N days up to today, 1 to 31 (default: 7)
  --from DATE       first day, as 1998-05-06 or 6 May 98 (with --to: the last day,
                    default today)
  --to DATE
  --type TYPE       test, practice, both or composite (default: composite)
  --pdf FILE        print the report into a PDF file instead of showing it
  --help            show this text
</source>
        <translation>Aufruf: tonalyst report --user ID [Optionen]

Erstellt einen Leistungsbericht aus einer Datendatei, wie Extras &gt; Leistungsbericht.

Optionen:
  --user ID         der Benutzer, über den berichtet wird (erforderlich)
  --data FILE       die Datendatei (Vorgabe: varen.dat im Datenordner)
  --data-dir DIR    der Datenordner (Vorgabe: ~/.local/share/tonalyst)
  --last N          die letzten N Tage bis heute, 1 bis 31 (Vorgabe: 7)
  --from DATE       erster Tag, wie 1998-05-06 oder 6 May 98 (mit --to: der letzte Tag,
                    Vorgabe heute)
  --to DATE
  --type TYPE       test, practice, both oder composite (Vorgabe: composite)
  --pdf FILE        den Bericht in eine PDF-Datei drucken, statt ihn anzuzeigen
  --help            diesen Text zeigen
</translation>
    </message>
    <message>
        <source>--type must be one of test, practice, both or composite</source>
        <translation>--type muss test, practice, both oder composite sein</translation>
    </message>
</context>
<context>
    <name>ReportCompiler</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>no file is open</source>
        <translation>keine Datei ist geöffnet</translation>
    </message>
    <message>
        <source>line %1: The line is longer than %2 bytes.</source>
        <translation>Zeile %1: Die Zeile ist länger als %2 Bytes.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>ReportDesktop</name>
    <message>
        <source>Choose File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>data files (*.dat);;All files (*)</source>
        <translation>Datendateien (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Performance Report as PDF</source>
        <translation>Leistungsbericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>    spelling attempts</source>
        <translation>    Versuche schreiben</translation>
    </message>
    <message>
        <source>   spelling</source>
        <translation>   schreiben</translation>
    </message>
    <message>
        <source>    identification attempts</source>
        <translation>    Versuche bestimmen</translation>
    </message>
    <message>
        <source>   identify</source>
        <translation>   bestimmen</translation>
    </message>
    <message>
        <source>    ear train attempts</source>
        <translation>    Versuche Gehör</translation>
    </message>
    <message>
        <source>   ear train</source>
        <translation>   Gehör</translation>
    </message>
    <message>
        <source>    total attempts</source>
        <translation>    Versuche gesamt</translation>
    </message>
    <message>
        <source>   total</source>
        <translation>   gesamt</translation>
    </message>
    <message>
        <source>    with inversions on</source>
        <translation>    mit Umkehrungen</translation>
    </message>
    <message>
        <source>   inversion on</source>
        <translation>   mit Umk.</translation>
    </message>
    <message>
        <source>    # of successes</source>
        <translation>    Anzahl Erfolge</translation>
    </message>
    <message>
        <source>   successes</source>
        <translation>   Erfolge</translation>
    </message>
    <message>
        <source>    success rate</source>
        <translation>    Erfolgsquote</translation>
    </message>
    <message>
        <source>   success %</source>
        <translation>   Erfolg %</translation>
    </message>
    <message>
        <source>    avg time/ques (sec)</source>
        <translation>    Ø Zeit/Frage (s)</translation>
    </message>
    <message>
        <source>   avg time/q</source>
        <translation>   Ø Zeit/Fr.</translation>
    </message>
    <message>
        <source>    avg # sharp/flat</source>
        <translation>    Ø Anzahl Vorzeichen</translation>
    </message>
    <message>
        <source>   avg shrp/flt</source>
        <translation>   Ø Vorz.</translation>
    </message>
    <message>
        <source>    SCORE</source>
        <translation>    PUNKTE</translation>
    </message>
    <message>
        <source>   SCORE</source>
        <translation>   PUNKTE</translation>
    </message>
    <message>
        <source>Triad</source>
        <translation>Dreikl.</translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation>Septakk.</translation>
    </message>
    <message>
        <source>V7 of</source>
        <translation>V7 von</translation>
    </message>
    <message>
        <source>vii7 of</source>
        <translation>vii7 von</translation>
    </message>
    <message>
        <source>Aug-6th</source>
        <translation>Üb. 6</translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation>bII</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Interv.</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interv.</translation>
    </message>
    <message>
        <source>Keysig</source>
        <translation>Vorz.</translation>
    </message>
    <message>
        <source>OVERALL</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>    Performance Report for period :%1 to %2</source>
        <translation>    Leistungsbericht für den Zeitraum :%1 bis %2</translation>
    </message>
    <message>
        <source>User ID : %1</source>
        <translation>Benutzer-ID : %1</translation>
    </message>
    <message>
        <source>    WARNING: THE SOURCE DATA FILE HAS NO SECURITY APPROVAL</source>
        <translation>    WARNUNG: DIE QUELLDATENDATEI HAT KEINE SICHERHEITSFREIGABE</translation>
    </message>
    <message>
        <source>    Report Type : %1</source>
        <translation>    Berichtsart : %1</translation>
    </message>
    <message>
        <source>    Data Source File : %1</source>
        <translation>    Quelldatendatei : %1</translation>
    </message>
    <message>
        <source>    Method reported on : %1</source>
        <translation>    Berichtete Methode : %1</translation>
    </message>
    <message>
        <source>test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>both</source>
        <translation>Beides</translation>
    </message>
    <message>
        <source>composite</source>
        <translation>Kombiniert</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>There is a problem with the chosen file.  Be sure to choose a file which was created by Tonalyst<byte value="xd"/>
<byte value="xd"/>
(Tonalyst automatically creates a file named Varen.dat in the Tonalyst application directory).</source>
        <translation>Mit der gewählten Datei stimmt etwas nicht.  Wählen Sie eine Datei, die von Tonalyst angelegt wurde<byte value="xd"/>
<byte value="xd"/>
(Tonalyst legt automatisch eine Datei namens Varen.dat im Tonalyst-Programmverzeichnis an).</translation>
    </message>
    <message>
        <source>Invalid Start Date</source>
        <translation>Ungültiges Anfangsdatum</translation>
    </message>
    <message>
        <source>Invalid End Date</source>
        <translation>Ungültiges Enddatum</translation>
    </message>
    <message>
        <source>Start Date must preceed End Date</source>
        <translation>Das Anfangsdatum muss vor dem Enddatum liegen</translation>
    </message>
    <message>
        <source>%1 now contains  %2 records.  This may cause excessive i/o time during report compilation.  <byte value="xd"/>
<byte value="xd"/>
You should soon archive (ie. rename) varen.dat.  The program will then automatically start a new data file called varen.dat.</source>
        <translation>%1 enthält jetzt  %2 Einträge.  Das kann das Erstellen von Berichten stark verlangsamen.  <byte value="xd"/>
<byte value="xd"/>
Sie sollten varen.dat bald archivieren (d. h. umbenennen).  Das Programm legt dann automatisch eine neue Datendatei namens varen.dat an.</translation>
    </message>
    <message>
        <source>You must set page orientation to &quot;Landscape&quot;<byte value="xd"/>
<byte value="xd"/>
See Windows printer settings</source>
        <translation>Sie müssen die Seitenausrichtung auf „Querformat“ stellen<byte value="xd"/>
<byte value="xd"/>
Siehe die Druckereinstellungen von Windows</translation>
    </message>
    <message>
        <source>Error occurred during report generation.  Please consult HELP</source>
        <translation>Beim Erstellen des Berichts ist ein Fehler aufgetreten.  Bitte sehen Sie in der HILFE nach</translation>
    </message>
    <message>
        <source>     Now creating report.  </source>
        <translation>     Bericht wird erstellt.  </translation>
    </message>
    <message>
        <source>     Please wait ....</source>
        <translation>     Bitte warten ....</translation>
    </message>
    <message>
        <source>     Now printing report.  </source>
        <translation>     Bericht wird gedruckt.  </translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>Performance Report</source>
        <translation>Leistungsbericht</translation>
    </message>
</context>
<context>
    <name>RunCounters</name>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>ScaleDegrees</name>
    <message>
        <source>Sc&amp;ale Degrees</source>
        <translation>&amp;Tonleiterstufen</translation>
    </message>
    <message>
        <source>scale degrees</source>
        <translation>Tonleiterstufen</translation>
    </message>
    <message>
        <source>Scale Degrees</source>
        <translation>Tonleiterstufen</translation>
    </message>
    <message>
        <source>Scale &amp;Degree Options ...</source>
        <translation>Tonleiterstufe&amp;n ...</translation>
    </message>
    <message>
        <source>Ear Training : Scale Degrees</source>
        <translation>Gehörbildung : Tonleiterstufen</translation>
    </message>
    <message>
        <source>Listen to the cadence, then name the scale degree of each note.</source>
        <translation>Hören Sie die Kadenz und benennen Sie dann die Stufe jedes Tons.</translation>
    </message>
    <message>
        <source>--chromatic (chromatic degrees too), --group N (1 to 4 notes a question, default 1), --solfege (answer key in movable do), --la-minor (with --solfege: la-based minor)</source>
        <translation>--chromatic (auch chromatische Stufen), --group N (1 bis 4 Töne je Frage, Vorgabe 1), --solfege (Lösungen in relativer Solmisation), --la-minor (mit --solfege: Moll auf la)</translation>
    </message>
</context>
<context>
    <name>SeventhGenerator</name>
    <message>
        <source>identify the given seventh chord</source>
        <translation>den gegebenen Septakkord bestimmen</translation>
    </message>
    <message>
        <source>the %1 chord </source>
        <translation>der %1-Akkord </translation>
    </message>
</context>
<context>
    <name>SpellingErrors</name>
    <message>
        <source>Right pitch, wrong spelling</source>
        <translation>Richtige Tonhöhe, falsche Schreibweise</translation>
    </message>
    <message>
        <source>Wrong accidental on the right letter</source>
        <translation>Falsches Vorzeichen am richtigen Buchstaben</translation>
    </message>
    <message>
        <source>Wrong chord member</source>
        <translation>Falscher Akkordton</translation>
    </message>
    <message>
        <source>Wrong note</source>
        <translation>Falscher Ton</translation>
    </message>
    <message>
        <source>Missing note</source>
        <translation>Fehlender Ton</translation>
    </message>
    <message>
        <source>Extra note</source>
        <translation>Überzähliger Ton</translation>
    </message>
    <message>
        <source>Right note, wrong octave</source>
        <translation>Richtiger Ton, falsche Oktave</translation>
    </message>
    <message>
        <source>Answer not readable as notes</source>
        <translation>Antwort nicht als Töne lesbar</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 statt %2</translation>
    </message>
    <message>
        <source>%1 in another octave</source>
        <translation>%1 in einer anderen Oktave</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1<byte value="xd"/>
Tonalyst cannot keep your performance records there and will close. Choose another folder with --data-dir.</source>
        <translation>%1<byte value="xd"/>
Tonalyst kann Ihre Leistungsdaten dort nicht aufbewahren und wird beendet. Wählen Sie mit --data-dir einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Time per Ques</source>
        <translation>Zeit pro Frage</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Erfolge</translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation>Erfolgsquote</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
</context>
<context>
    <name>TriadGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation>den gegebenen Akkord bestimmen</translation>
    </message>
    <message>
        <source>the %1 chord </source>
        <translation>der %1-Akkord </translation>
    </message>
</context>
<context>
    <name>UserIdCheck</name>
    <message>
        <source>You must enter a user id</source>
        <translation>Sie müssen eine Benutzer-ID eingeben</translation>
    </message>
    <message>
        <source>A user id cannot contain quotation marks, commas or control characters. Please use letters and digits.</source>
        <translation>Eine Benutzer-ID darf keine Anführungszeichen, Kommas oder Steuerzeichen enthalten. Bitte verwenden Sie Buchstaben und Ziffern.</translation>
    </message>
</context>
<context>
    <name>WeakSpotHistory</name>
    <message>
        <source>there is no answer history at %1, so the weak spots are not known</source>
        <translation>unter %1 gibt es keinen Antwortverlauf, daher sind die Schwachstellen nicht bekannt</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>no writable question found in the key of %1</source>
        <translation>in der Tonart %1 wurde keine schreibbare Frage gefunden</translation>
    </message>
    <message>
        <source>Tonalyst worksheet: %1 (seed %2)</source>
        <translation>Tonalyst-Arbeitsblatt: %1 (Startwert %2)</translation>
    </message>
    <message>
        <source>Tonalyst worksheet: %1</source>
        <translation>Tonalyst-Arbeitsblatt: %1</translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>this build cannot read the answer history</source>
        <translation>dieser Build kann den Antwortverlauf nicht lesen</translation>
    </message>
    <message>
        <source>this build cannot write PDF files</source>
        <translation>dieser Build kann keine PDF-Dateien schreiben</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>this build cannot draw questions heard in a key</source>
        <translation>dieser Build kann keine Fragen in einer Tonart stellen</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>In %1: %2</translation>
    </message>
</context>
<context>
    <name>WorksheetOptions</name>
    <message>
        <source>You must select at least one chord</source>
        <translation>Sie müssen mindestens einen Akkord auswählen</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied dominant list.</source>
        <translation>VII ist nur in Moll möglich. Sie müssen mindestens eine weitere Auswahl aus der Liste der Zwischendominanten treffen.</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied leading tone  list.</source>
        <translation>VII ist nur in Moll möglich. Sie müssen mindestens eine weitere Auswahl aus der Liste der verminderten Zwischen-Leittonakkorde treffen.</translation>
    </message>
    <message>
        <source>--intervals must be common or advanced</source>
        <translation>--intervals muss common oder advanced sein</translation>
    </message>
    <message>
        <source>--interval-notes must be keys or all</source>
        <translation>--interval-notes muss keys oder all sein</translation>
    </message>
    <message>
        <source>--ear-chords must be triads, sevenths or both</source>
        <translation>--ear-chords muss triads, sevenths oder both sein</translation>
    </message>
    <message>
        <source>Option not allowed for ear training</source>
        <translation>Option für die Gehörbildung nicht erlaubt</translation>
    </message>
    <message>
        <source>--intervals advanced precludes --interval-notes all</source>
        <translation>--intervals advanced schließt --interval-notes all aus</translation>
    </message>
    <message>
        <source>unknown key box &apos;%1&apos; in --keys</source>
        <translation>unbekanntes Tonartfeld &apos;%1&apos; in --keys</translation>
    </message>
    <message>
        <source>--mode must be major, minor or both</source>
        <translation>--mode muss major, minor oder both sein</translation>
    </message>
    <message>
        <source>You must select at least one key</source>
        <translation>Sie müssen mindestens eine Tonart auswählen</translation>
    </message>
    <message>
        <source>unknown chord box &apos;%1&apos; in --chords</source>
        <translation>unbekanntes Akkordfeld &apos;%1&apos; in --chords</translation>
    </message>
    <message>
        <source>--mixture takes triads, sevenths or both, comma-separated</source>
        <translation>--mixture nimmt triads, sevenths oder beides, durch Komma getrennt</translation>
    </message>
    <message>
        <source>--count must be a whole number from 1 to 100000</source>
        <translation>--count muss eine ganze Zahl von 1 bis 100000 sein</translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0 to 4294967295</source>
        <translation>--seed muss eine ganze Zahl von 0 bis 4294967295 sein</translation>
    </message>
    <message>
        <source>--inversions must be off, basic or figured</source>
        <translation>--inversions muss off, basic oder figured sein</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter</source>
        <translation>--paper muss a4 oder letter sein</translation>
    </message>
    <message>
        <source>--user needs a user ID</source>
        <translation>--user braucht eine Benutzer-ID</translation>
    </message>
    <message>
        <source>--data-dir needs a folder</source>
        <translation>--data-dir braucht einen Ordner</translation>
    </message>
    <message>
        <source>--clef must be treble, bass or random</source>
        <translation>--clef muss treble, bass oder random sein</translation>
    </message>
    <message>
        <source>--key-display must be written, symbolic or both</source>
        <translation>--key-display muss written, symbolic oder both sein</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>--paper needs --pdf</source>
        <translation>--paper braucht --pdf</translation>
    </message>
    <message>
        <source>--pdf and --json cannot be combined</source>
        <translation>--pdf und --json können nicht kombiniert werden</translation>
    </message>
    <message>
        <source>--favor-weak-spots needs --user</source>
        <translation>--favor-weak-spots braucht --user</translation>
    </message>
    <message>
        <source>--user and --data-dir go with --favor-weak-spots</source>
        <translation>--user und --data-dir gehören zu --favor-weak-spots</translation>
    </message>
    <message>
        <source>%1 does not go with --activity %2</source>
        <translation>%1 passt nicht zu --activity %2</translation>
    </message>
    <message>
        <source>--la-minor goes with --solfege</source>
        <translation>--la-minor gehört zu --solfege</translation>
    </message>
    <message>
        <source>--tempo must be a whole number from 40 to 160</source>
        <translation>--tempo muss eine ganze Zahl von 40 bis 160 sein</translation>
    </message>
    <message>
        <source>--accidentals must be a whole number from 0 to 7</source>
        <translation>--accidentals muss eine ganze Zahl von 0 bis 7 sein</translation>
    </message>
    <message>
        <source>--group must be a whole number from 1 to 4</source>
        <translation>--group muss eine ganze Zahl von 1 bis 4 sein</translation>
    </message>
    <message>
        <source>--length must be a number of chords from 3 to 6, or two such as 3-5</source>
        <translation>--length muss eine Akkordzahl von 3 bis 6 sein, oder zwei wie 3-5</translation>
    </message>
    <message>
        <source>--midi needs a folder</source>
        <translation>--midi braucht einen Ordner</translation>
    </message>
    <message>
        <source>--midi and --json cannot be combined</source>
        <translation>--midi und --json lassen sich nicht verbinden</translation>
    </message>
    <message>
        <source>--activity must be %1 or %2</source>
        <translation>--activity muss %1 oder %2 sein</translation>
    </message>
</context>
<context>
    <name>WorksheetUsage</name>
    <message>
        <source>what to ask (default %1): %2; heard in a key: %3 (see below)</source>
        <translation>was gefragt wird (Vorgabe %1): %2; in einer Tonart gehört: %3 (siehe unten)</translation>
    </message>
    <message>
        <source>Usage: tonalyst worksheet [options]

Prints a worksheet of drill questions with an answer key at the end.

%1
  --count N          number of questions, 1 to 100000 (default 10)
  --seed S           the same seed gives the same questions (default: a fresh seed)
  --keys LIST        key boxes to draw from, comma-separated: a pair such as C/a,
                     E-flat/c, F-sharp/d-sharp, or either key of a pair (B-flat, g);
                     or all. Default: the key settings&apos; defaults.
  --mode major|minor|both   which keys of the boxes are asked (default both)
  --chords LIST      chord boxes, comma-separated, each group:index or a whole group:
                       triad:0..6     I, ii, iii, IV, V, vi, vii-dim
                       seventh:0..5   ii7, iii7, IV-maj7, V7, vi7, vii-half-dim7
                       vof:0..6       V7 of Flat-II, ii, iii, IV, V, vi, VII (minor only)
                       viiof:0..5     vii-dim7 of ii, iii, IV, V, vi, VII (minor only)
                       aug6:0..2      Italian, French, German
                       flat2          the Neapolitan
                     e.g. triad:0,triad:4,seventh:3,vof:4,aug6:2,flat2; or all.
                     Default: the seven triads.
  --mixture LIST     triads, sevenths or triads,sevenths: borrowed chords on
  --inversions off|basic|figured   random inversions and their labels (default off)
  --intervals common|advanced   which intervals are asked (default common); ear
                     training asks common intervals only
  --interval-notes keys|all   lower notes from the chosen major keys, or any C to A
                     with a flat, natural or sharp (default keys); all precludes
                     advanced intervals
  --ear-chords triads|sevenths|both   chords of chord ear training (default triads)
  --json             one JSON object per question and line instead of the worksheet
  --pdf FILE         write the worksheet as a PDF to print: each question with its
                     staff, several to a page, the answer key on the last page
  --paper a4|letter  the PDF&apos;s paper size (default a4)
  --clef treble|bass|random   the clef of the PDF&apos;s staves (default random)
  --key-display written|symbolic|both   how identification questions of the PDF
                     show the key: in words, as a signature on the staff, or both
                     (default written)
  --favor-weak-spots --user ID [--data-dir DIR]   draw more of what the student
                     ID answered wrong lately, as Favor Weak Spots does in practice,
                     from the answer history in DIR (default: the per-user data
                     folder); still only among the keys and chords chosen
  --help             this text

Questions heard in a key (a cadence sets the key, then the notes or chords play):
  --mode major|minor|both   the keys&apos; modes (default major)
  --accidentals N    keys with at most N sharps or flats, 0 to 7 (default 2, or any
                     number when --keys names the keys)
  --tempo N          quarter notes per minute, 40 to 160 (default 80): chords last a
                     half note, single notes a quarter
  --midi DIR         write each question as a MIDI file, DIR/question-01.mid and on
                     (the cadence, a beat&apos;s rest, the question), and the answer key as
                     DIR/answers.txt, instead of the worksheet; DIR is made if missing
%2
Options of the other activities (--chords, --inversions, --pdf, ...) are refused with
these, and theirs with the others.

Key and chord boxes and interval choices are checked as the settings dialogs
check them; a refused selection, like any bad option, ends with exit status 2.

A --json line of a question heard in a key holds &quot;activity&quot;, &quot;key&quot; (&quot;D major&quot;),
&quot;mode&quot;, &quot;cadence&quot; and &quot;played&quot; (each chord a list of notes such as &quot;F#4&quot;, lowest
first) and &quot;answer&quot; (the names in order: &quot;3&quot;, &quot;♭6&quot;, &quot;V65/V&quot;, &quot;half&quot;).

Interval and ear-training lines of --json also carry &quot;interval&quot; (its &quot;name&quot; and
&quot;quality&quot; captions, or null for chords) and &quot;direction&quot; (&quot;above&quot;: note 1 is given
and the notes sound upwards; &quot;below&quot;: note 2 is given and they sound downwards).
</source>
        <translation>Aufruf: tonalyst worksheet [Optionen]

Druckt ein Arbeitsblatt mit Übungsfragen und den Lösungen am Ende.

%1
  --count N          Anzahl der Fragen, 1 bis 100000 (Vorgabe 10)
  --seed S           derselbe Startwert ergibt dieselben Fragen (Vorgabe: ein neuer)
  --keys LIST        Tonartfelder, aus denen gezogen wird, durch Komma getrennt: ein Paar
                     wie C/a, E-flat/c, F-sharp/d-sharp, oder eine Tonart eines Paars
                     (B-flat, g); oder all. Vorgabe: die Vorgaben der Tonarteinstellungen.
  --mode major|minor|both   welche Tonarten der Felder gefragt werden (Vorgabe both)
  --chords LIST      Akkordfelder, durch Komma getrennt, je gruppe:index oder eine ganze Gruppe:
                       triad:0..6     I, ii, iii, IV, V, vi, vii-dim
                       seventh:0..5   ii7, iii7, IV-maj7, V7, vi7, vii-half-dim7
                       vof:0..6       V7 von Flat-II, ii, iii, IV, V, vi, VII (nur Moll)
                       viiof:0..5     vii-dim7 von ii, iii, IV, V, vi, VII (nur Moll)
                       aug6:0..2      italienisch, französisch, deutsch
                       flat2          der Neapolitaner
                     z. B. triad:0,triad:4,seventh:3,vof:4,aug6:2,flat2; oder all.
                     Vorgabe: die sieben Dreiklänge.
  --mixture LIST     triads, sevenths oder triads,sevenths: Dur-Moll-Mischung an
  --inversions off|basic|figured   zufällige Umkehrungen und ihre Bezeichnung (Vorgabe off)
  --intervals common|advanced   welche Intervalle gefragt werden (Vorgabe common); die
                     Gehörbildung fragt nur die üblichen Intervalle
  --interval-notes keys|all   untere Töne aus den gewählten Durtonarten, oder jeder Ton
                     von C bis A mit b, Auflösungszeichen oder Kreuz (Vorgabe keys); all
                     schließt die erweiterten Intervalle aus
  --ear-chords triads|sevenths|both   Akkorde der Akkord-Gehörbildung (Vorgabe triads)
  --json             ein JSON-Objekt je Frage und Zeile statt des Arbeitsblatts
  --pdf FILE         das Arbeitsblatt als PDF zum Drucken schreiben: jede Frage mit ihrem
                     Notensystem, mehrere je Seite, die Lösungen auf der letzten Seite
  --paper a4|letter  das Papierformat des PDF (Vorgabe a4)
  --clef treble|bass|random   der Schlüssel der Notensysteme im PDF (Vorgabe random)
  --key-display written|symbolic|both   wie Bestimmungsfragen im PDF die Tonart
                     zeigen: in Worten, als Vorzeichnung im Notensystem oder beides
                     (Vorgabe written)
  --favor-weak-spots --user ID [--data-dir DIR]   mehr von dem ziehen, was der Schüler
                     ID zuletzt falsch beantwortet hat, wie Schwächen bevorzugen beim Üben,
                     aus dem Antwortverlauf in DIR (Vorgabe: der Datenordner des
                     Benutzers); dabei nur unter den gewählten Tonarten und Akkorden
  --help             dieser Text

Fragen in einer Tonart (eine Kadenz legt die Tonart fest, dann erklingen die Töne oder Akkorde):
  --mode major|minor|both   das Tongeschlecht der Tonarten (Vorgabe major)
  --accidentals N    Tonarten mit höchstens N Kreuzen oder Be, 0 bis 7 (Vorgabe 2, oder
                     beliebig viele, wenn --keys die Tonarten nennt)
  --tempo N          Viertel pro Minute, 40 bis 160 (Vorgabe 80): Akkorde dauern eine
                     halbe Note, einzelne Töne eine Viertel
  --midi DIR         jede Frage als MIDI-Datei schreiben, DIR/question-01.mid und weiter
                     (die Kadenz, eine Pause von einem Schlag, die Frage), und die Lösungen
                     als DIR/answers.txt, statt des Arbeitsblatts; DIR wird angelegt, wenn es fehlt
%2
Optionen der anderen Aktivitäten (--chords, --inversions, --pdf, ...) werden mit diesen
abgelehnt, und deren Optionen mit den anderen.

Tonart- und Akkordfelder und die Intervallauswahl werden geprüft wie in den
Einstellungsdialogen; eine abgelehnte Auswahl endet, wie jede falsche Option, mit Exit-Status 2.

Eine --json-Zeile einer Frage in einer Tonart enthält &quot;activity&quot;, &quot;key&quot; (&quot;D major&quot;),
&quot;mode&quot;, &quot;cadence&quot; und &quot;played&quot; (jeder Akkord eine Liste von Tönen wie &quot;F#4&quot;, der tiefste
zuerst) und &quot;answer&quot; (die Namen der Reihe nach: &quot;3&quot;, &quot;♭6&quot;, &quot;V65/V&quot;, &quot;half&quot;).

Intervall- und Gehörbildungszeilen von --json enthalten auch &quot;interval&quot; (seine Beschriftungen
&quot;name&quot; und &quot;quality&quot;, oder null bei Akkorden) und &quot;direction&quot; (&quot;above&quot;: Ton 1 ist gegeben
und die Töne klingen aufwärts; &quot;below&quot;: Ton 2 ist gegeben und sie klingen abwärts).
</translation>
    </message>
</context>
<context>
    <name>tonalyst::AboutDialog</name>
    <message>
        <source>About Tonalyst ...</source>
        <translation>Über Tonalyst ...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>your complete music theory fitness program</source>
        <translation>Ihr komplettes Trainingsprogramm für Musiktheorie</translation>
    </message>
    <message>
        <source>Drills in key signatures, intervals and chords, written and by ear, with practice and test runs and performance reports.</source>
        <translation>Übungen zu Vorzeichnungen, Intervallen und Akkorden, geschrieben und nach Gehör, mit Übungs- und Testläufen und Leistungsberichten.</translation>
    </message>
    <message>
        <source>Tones are played by a software synthesizer from a General MIDI soundfont installed on this computer.</source>
        <translation>Die Töne spielt ein Software-Synthesizer mit einem General-MIDI-Soundfont, der auf diesem Computer installiert ist.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tonalyst::ActivitySection</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Akkord</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonart</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Practice
questions</source>
        <translation>Fragen
Üben</translation>
    </message>
    <message>
        <source>Practice
success</source>
        <translation>Erfolg
Üben</translation>
    </message>
    <message>
        <source>Practice time
per question</source>
        <translation>Zeit pro Frage
Üben</translation>
    </message>
    <message>
        <source>Test
questions</source>
        <translation>Fragen
Test</translation>
    </message>
    <message>
        <source>Test
success</source>
        <translation>Erfolg
Test</translation>
    </message>
    <message>
        <source>Test time
per question</source>
        <translation>Zeit pro Frage
Test</translation>
    </message>
    <message>
        <source>%1: success rate and time per question by week</source>
        <translation>%1: Erfolgsquote und Zeit pro Frage je Woche</translation>
    </message>
    <message>
        <source>%1: success rate and time per question by day</source>
        <translation>%1: Erfolgsquote und Zeit pro Frage je Tag</translation>
    </message>
    <message>
        <source>No questions in this period.</source>
        <translation>Keine Fragen in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>Weak spot</source>
        <translation>Schwachstelle</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>%1: weak spots</source>
        <translation>%1: Schwachstellen</translation>
    </message>
    <message>
        <source>No errors in this period.</source>
        <translation>Keine Fehler in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>Kind of mistake</source>
        <translation>Fehlerart</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>%1: kinds of mistake</source>
        <translation>%1: Fehlerarten</translation>
    </message>
    <message>
        <source>Confusion</source>
        <translation>Verwechslung</translation>
    </message>
    <message>
        <source>Of</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>%1: confusions</source>
        <translation>%1: Verwechslungen</translation>
    </message>
    <message>
        <source>No mistakes to tell apart in this period.</source>
        <translation>Keine Fehler zu unterscheiden in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>No confusions in this period.</source>
        <translation>Keine Verwechslungen in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>Weak spots</source>
        <translation>Schwachstellen</translation>
    </message>
    <message>
        <source>Kinds of mistake</source>
        <translation>Fehlerarten</translation>
    </message>
    <message>
        <source>Confusions</source>
        <translation>Verwechslungen</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Cadence</source>
        <translation>Kadenz</translation>
    </message>
</context>
<context>
    <name>tonalyst::AutoQuitDialog</name>
    <message>
        <source>Options: Auto Exit</source>
        <translation>Optionen: Automatisch beenden</translation>
    </message>
    <message>
        <source>Shutdown After Idle Period:</source>
        <translation>Beenden nach Leerlauf von:</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5 Min.</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 Min.</translation>
    </message>
    <message>
        <source>20 min</source>
        <translation>20 Min.</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 Min.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tonalyst::CadenceOptionsDialog</name>
    <message>
        <source>Options: Cadences</source>
        <translation>Optionen: Kadenzen</translation>
    </message>
    <message>
        <source>Cadences Named</source>
        <translation>Benannte Kadenzen</translation>
    </message>
    <message>
        <source>perfect and imperfect authentic cadences told apart</source>
        <translation>vollkommener und unvollkommener Ganzschluss unterschieden</translation>
    </message>
    <message>
        <source>Phrygian half cadences in minor keys</source>
        <translation>phrygische Halbschlüsse in Molltonarten</translation>
    </message>
</context>
<context>
    <name>tonalyst::ChordFunctionOptionsDialog</name>
    <message>
        <source>Options: Chord Functions</source>
        <translation>Optionen: Akkordfunktionen</translation>
    </message>
    <message>
        <source>Chords Played Besides the Triads of the Key</source>
        <translation>Gespielte Akkorde außer den Dreiklängen der Tonart</translation>
    </message>
    <message>
        <source>seventh chords (V7, ii7, vii°7 ...)</source>
        <translation>Septakkorde (V7, ii7, vii°7 ...)</translation>
    </message>
    <message>
        <source>inversions (I6, V65, ii42 ...)</source>
        <translation>Umkehrungen (I6, V65, ii42 ...)</translation>
    </message>
    <message>
        <source>applied chords (V/V, V7/ii, vii°7/V ...)</source>
        <translation>Zwischendominanten (V/V, V7/ii, vii°7/V ...)</translation>
    </message>
    <message>
        <source>mixture in major keys (♭III, ♭VI, ♭VII, iv)</source>
        <translation>Dur-Moll-Mischung in Durtonarten (♭III, ♭VI, ♭VII, iv)</translation>
    </message>
    <message>
        <source>Neapolitan sixth (N6)</source>
        <translation>Neapolitanischer Sextakkord (N6)</translation>
    </message>
</context>
<context>
    <name>tonalyst::ChordSettingsDialog</name>
    <message>
        <source>You must select at least one chord</source>
        <translation>Sie müssen mindestens einen Akkord auswählen</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied dominant list.</source>
        <translation>VII ist nur in Moll möglich. Sie müssen mindestens eine weitere Auswahl aus der Liste der Zwischendominanten treffen.</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied leading tone  list.</source>
        <translation>VII ist nur in Moll möglich. Sie müssen mindestens eine weitere Auswahl aus der Liste der verminderten Zwischen-Leittonakkorde treffen.</translation>
    </message>
    <message>
        <source>Mixture On</source>
        <translation>Dur-Moll-Mischung an</translation>
    </message>
    <message>
        <source>Options: Chord Settings</source>
        <translation>Optionen: Akkordeinstellungen</translation>
    </message>
    <message>
        <source>Triads</source>
        <translation>Dreiklänge</translation>
    </message>
    <message>
        <source>Sevenths</source>
        <translation>Septakkorde</translation>
    </message>
    <message>
        <source>Applied Dominant7</source>
        <translation>Zwischendominante (D7)</translation>
    </message>
    <message>
        <source>V7 of Flat-II</source>
        <translation>V7 von bII</translation>
    </message>
    <message>
        <source>V7 of ii </source>
        <translation>V7 von ii </translation>
    </message>
    <message>
        <source>V7 of iii / III</source>
        <translation>V7 von iii / III</translation>
    </message>
    <message>
        <source>V7 of IV / iv</source>
        <translation>V7 von IV / iv</translation>
    </message>
    <message>
        <source>V7 of V</source>
        <translation>V7 von V</translation>
    </message>
    <message>
        <source>V7 of vi / VI</source>
        <translation>V7 von vi / VI</translation>
    </message>
    <message>
        <source>V7 of VII (minor only)</source>
        <translation>V7 von VII (nur Moll)</translation>
    </message>
    <message>
        <source>Applied vii-dim7</source>
        <translation>Zwischen-vii-dim7</translation>
    </message>
    <message>
        <source>vii-dim7 of ii </source>
        <translation>vii-dim7 von ii </translation>
    </message>
    <message>
        <source>vii-dim7 of iii / III</source>
        <translation>vii-dim7 von iii / III</translation>
    </message>
    <message>
        <source>vii-dim7 of IV</source>
        <translation>vii-dim7 von IV</translation>
    </message>
    <message>
        <source>vii-dim7 of V</source>
        <translation>vii-dim7 von V</translation>
    </message>
    <message>
        <source>vii-dim7 of vi / VI</source>
        <translation>vii-dim7 von vi / VI</translation>
    </message>
    <message>
        <source>vii-dim7 of VII (minor only)</source>
        <translation>vii-dim7 von VII (nur Moll)</translation>
    </message>
    <message>
        <source>Augmented 6</source>
        <translation>Übermäßiger Sextakkord</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Neapolitan</source>
        <translation>Neapolitaner</translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation>bII</translation>
    </message>
    <message>
        <source>Chord Settings</source>
        <translation>Akkordeinstellungen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle wählen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>tonalyst::ClassServerDialog</name>
    <message>
        <source>Send my answers to the class server</source>
        <translation>Meine Antworten an den Klassenserver senden</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>Class Server</source>
        <translation>Klassenserver</translation>
    </message>
    <message>
        <source>service name, or postgresql://host/database</source>
        <translation>Dienstname oder postgresql://host/database</translation>
    </message>
    <message>
        <source>Your teacher gives you the service name or address and a password for your ~/.pgpass file. Tonalyst keeps no password.</source>
        <translation>Ihr Lehrer gibt Ihnen den Dienstnamen oder die Adresse und ein Passwort für Ihre Datei ~/.pgpass. Tonalyst speichert kein Passwort.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Testing the connection ...</source>
        <translation>Verbindung wird getestet ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::ClassServerLink</name>
    <message>
        <source>Class server: on. Answers are sent once your answer history is kept.</source>
        <translation>Klassenserver: an. Antworten werden gesendet, sobald Ihr Antwortverlauf gespeichert wird.</translation>
    </message>
    <message>
        <source>Class server: sending your answers ...</source>
        <translation>Klassenserver: Ihre Antworten werden gesendet ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::ClefDialog</name>
    <message>
        <source>Options: Clef Selection</source>
        <translation>Optionen: Schlüsselauswahl</translation>
    </message>
    <message>
        <source>Clef Selection</source>
        <translation>Schlüsselauswahl</translation>
    </message>
    <message>
        <source>Treble Clef</source>
        <translation>Violinschlüssel</translation>
    </message>
    <message>
        <source>Bass Clef</source>
        <translation>Bassschlüssel</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
</context>
<context>
    <name>tonalyst::EarTrainingChordDialog</name>
    <message>
        <source>Options: Ear Training Chord Selection</source>
        <translation>Optionen: Akkorde nach Gehör</translation>
    </message>
    <message>
        <source>Ear Training Chord Selection</source>
        <translation>Akkorde nach Gehör</translation>
    </message>
    <message>
        <source>Triads</source>
        <translation>Dreiklänge</translation>
    </message>
    <message>
        <source>Sevenths</source>
        <translation>Septakkorde</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
</context>
<context>
    <name>tonalyst::EarTrainingWindow</name>
    <message>
        <source>Ear Training: </source>
        <translation>Gehörbildung: </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Fragenummer</translation>
    </message>
    <message>
        <source>First part of your answer</source>
        <translation>Erster Teil Ihrer Antwort</translation>
    </message>
    <message>
        <source>Second part of your answer</source>
        <translation>Zweiter Teil Ihrer Antwort</translation>
    </message>
    <message>
        <source>Verdict on your answer</source>
        <translation>Bewertung Ihrer Antwort</translation>
    </message>
    <message>
        <source>your answer is ....</source>
        <translation>Ihre Antwort ist ....</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Show Choices</source>
        <translation>Auswahl zeigen</translation>
    </message>
    <message>
        <source>Show Display</source>
        <translation>Anzeige zeigen</translation>
    </message>
    <message>
        <source>Submit Answer</source>
        <translation>Antwort abgeben</translation>
    </message>
    <message>
        <source>Repeat Tones</source>
        <translation>Töne wiederholen</translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation>Ihre Antwort abgeben</translation>
    </message>
    <message>
        <source>Pop up the answer choices</source>
        <translation>Die Antwortmöglichkeiten aufklappen</translation>
    </message>
    <message>
        <source>Play the tones again</source>
        <translation>Die Töne noch einmal spielen</translation>
    </message>
</context>
<context>
    <name>tonalyst::HelpWindow</name>
    <message>
        <source>Tonalyst Help</source>
        <translation>Tonalyst-Hilfe</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Theory Help</source>
        <translation>Theorie-Hilfe</translation>
    </message>
    <message>
        <source>Program Help</source>
        <translation>Programm-Hilfe</translation>
    </message>
    <message>
        <source>Tonalyst Help - %1</source>
        <translation>Tonalyst-Hilfe - %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::HistoryWriter</name>
    <message>
        <source>The records of %1 could not be brought into the answer history: %2</source>
        <translation>Die Einträge von %1 konnten nicht in den Antwortverlauf übernommen werden: %2</translation>
    </message>
    <message>
        <source>Your answers are kept and stored as soon as the history can be written again.</source>
        <translation>Ihre Antworten bleiben erhalten und werden gespeichert, sobald der Verlauf wieder geschrieben werden kann.</translation>
    </message>
    <message>
        <source>The answer history cannot be written: %1</source>
        <translation>Der Antwortverlauf kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::InKeyCommonGroup</name>
    <message>
        <source>Mode</source>
        <translation>Tongeschlecht</translation>
    </message>
    <message>
        <source>major keys</source>
        <translation>Durtonarten</translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation>Molltonarten</translation>
    </message>
    <message>
        <source>major and minor keys</source>
        <translation>Dur- und Molltonarten</translation>
    </message>
    <message>
        <source>Key and Tempo</source>
        <translation>Tonart und Tempo</translation>
    </message>
    <message>
        <source>At most sharps or flats</source>
        <translation>Höchstens Kreuze oder Be</translation>
    </message>
    <message>
        <source>Skip the cadence while the key stays the same</source>
        <translation>Kadenz auslassen, solange die Tonart gleich bleibt</translation>
    </message>
    <message>
        <source>Tempo in quarter notes per minute</source>
        <translation>Tempo in Vierteln pro Minute</translation>
    </message>
    <message>
        <source>At most &amp;sharps or flats:</source>
        <translation>Höchstens &amp;Kreuze oder Be:</translation>
    </message>
    <message>
        <source>&amp;Tempo (quarter notes per minute):</source>
        <translation>&amp;Tempo (Viertel pro Minute):</translation>
    </message>
</context>
<context>
    <name>tonalyst::InKeyOptionsDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tonalyst::IntervalOptionsDialog</name>
    <message>
        <source>Options: Interval Settings</source>
        <translation>Optionen: Intervalleinstellungen</translation>
    </message>
    <message>
        <source>Interval Type Options</source>
        <translation>Intervallarten</translation>
    </message>
    <message>
        <source>common intervals</source>
        <translation>übliche Intervalle</translation>
    </message>
    <message>
        <source>advanced intervals (this option precludes &quot;all possible notes&quot; option below -see help)</source>
        <translation>erweiterte Intervalle (schließt „alle möglichen Töne“ unten aus – siehe Hilfe)</translation>
    </message>
    <message>
        <source>Common intervals</source>
        <translation>Übliche Intervalle</translation>
    </message>
    <message>
        <source>perfect unison</source>
        <translation>reine Prime</translation>
    </message>
    <message>
        <source>minor second</source>
        <translation>kleine Sekunde</translation>
    </message>
    <message>
        <source>major second</source>
        <translation>große Sekunde</translation>
    </message>
    <message>
        <source>minor third</source>
        <translation>kleine Terz</translation>
    </message>
    <message>
        <source>major third</source>
        <translation>große Terz</translation>
    </message>
    <message>
        <source>perfect fourth</source>
        <translation>reine Quarte</translation>
    </message>
    <message>
        <source>diminished fifth (tri-tone)</source>
        <translation>verminderte Quinte (Tritonus)</translation>
    </message>
    <message>
        <source>perfect fifth</source>
        <translation>reine Quinte</translation>
    </message>
    <message>
        <source>minor sixth</source>
        <translation>kleine Sexte</translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation>große Sexte</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>kleine Septime</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>große Septime</translation>
    </message>
    <message>
        <source>perfect octave</source>
        <translation>reine Oktave</translation>
    </message>
    <message>
        <source>Advanced intervals</source>
        <translation>Erweiterte Intervalle</translation>
    </message>
    <message>
        <source>all common intervals, </source>
        <translation>alle üblichen Intervalle, </translation>
    </message>
    <message>
        <source>plus...</source>
        <translation>dazu ...</translation>
    </message>
    <message>
        <source>augmented second</source>
        <translation>übermäßige Sekunde</translation>
    </message>
    <message>
        <source>diminished third</source>
        <translation>verminderte Terz</translation>
    </message>
    <message>
        <source>diminished fourth</source>
        <translation>verminderte Quarte</translation>
    </message>
    <message>
        <source>augmented fourth</source>
        <translation>übermäßige Quarte</translation>
    </message>
    <message>
        <source>augmented fifth</source>
        <translation>übermäßige Quinte</translation>
    </message>
    <message>
        <source>augmented sixth</source>
        <translation>übermäßige Sexte</translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation>verminderte Septime</translation>
    </message>
    <message>
        <source>Interval Note Selection</source>
        <translation>Auswahl der Intervalltöne</translation>
    </message>
    <message>
        <source>select from chosen keys</source>
        <translation>aus den gewählten Tonarten wählen</translation>
    </message>
    <message>
        <source>select from all possible notes (this option precludes advanced intervals-see help)</source>
        <translation>aus allen möglichen Tönen wählen (schließt erweiterte Intervalle aus – siehe Hilfe)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Option not allowed for ear training</source>
        <translation>Option für die Gehörbildung nicht erlaubt</translation>
    </message>
</context>
<context>
    <name>tonalyst::InversionDialog</name>
    <message>
        <source>Options: Inversion Settings</source>
        <translation>Optionen: Umkehrungen</translation>
    </message>
    <message>
        <source>Inversion Options</source>
        <translation>Umkehrungen</translation>
    </message>
    <message>
        <source>Inversions Off</source>
        <translation>Umkehrungen aus</translation>
    </message>
    <message>
        <source>Inversions On : basic notation</source>
        <translation>Umkehrungen an : einfache Bezeichnung</translation>
    </message>
    <message>
        <source>Inversions On : figured bass notation</source>
        <translation>Umkehrungen an : Generalbassbezifferung</translation>
    </message>
</context>
<context>
    <name>tonalyst::KeySettingsDialog</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Options: Key Settings</source>
        <translation>Optionen: Tonarten</translation>
    </message>
    <message>
        <source>Mode </source>
        <translation>Tongeschlecht </translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Moll</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Sharp Keys</source>
        <translation>Kreuztonarten</translation>
    </message>
    <message>
        <source>C / a</source>
        <translation>C / a</translation>
    </message>
    <message>
        <source>G / e</source>
        <translation>G / e</translation>
    </message>
    <message>
        <source>D / b</source>
        <translation>D / b</translation>
    </message>
    <message>
        <source>A / f-sharp</source>
        <translation>A / f-sharp</translation>
    </message>
    <message>
        <source>E / c-sharp</source>
        <translation>E / c-sharp</translation>
    </message>
    <message>
        <source>B / g-sharp</source>
        <translation>B / g-sharp</translation>
    </message>
    <message>
        <source>F-sharp / d-sharp</source>
        <translation>F-sharp / d-sharp</translation>
    </message>
    <message>
        <source>C-sharp / a-sharp</source>
        <translation>C-sharp / a-sharp</translation>
    </message>
    <message>
        <source>Flat Keys</source>
        <translation>B-Tonarten</translation>
    </message>
    <message>
        <source>F / d</source>
        <translation>F / d</translation>
    </message>
    <message>
        <source>B-flat / g</source>
        <translation>B-flat / g</translation>
    </message>
    <message>
        <source>E-flat / c</source>
        <translation>E-flat / c</translation>
    </message>
    <message>
        <source>A-flat / f</source>
        <translation>A-flat / f</translation>
    </message>
    <message>
        <source>D-flat / b-flat</source>
        <translation>D-flat / b-flat</translation>
    </message>
    <message>
        <source>G-flat / e-flat</source>
        <translation>G-flat / e-flat</translation>
    </message>
    <message>
        <source>C-flat / a-flat</source>
        <translation>C-flat / a-flat</translation>
    </message>
    <message>
        <source>Key Settings</source>
        <translation>Tonarten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>You must select at least one key</source>
        <translation>Sie müssen mindestens eine Tonart auswählen</translation>
    </message>
</context>
<context>
    <name>tonalyst::KeySigDisplayDialog</name>
    <message>
        <source>Options: Key Signature Display</source>
        <translation>Optionen: Vorzeichnung anzeigen</translation>
    </message>
    <message>
        <source>Key Indication for chord ID</source>
        <translation>Tonartangabe beim Bestimmen</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Symbolic</source>
        <translation>Symbolisch</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tonalyst::LanguageDialog</name>
    <message>
        <source>Options: Language</source>
        <translation>Optionen: Sprache</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Wie die Arbeitsumgebung</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>As the language</source>
        <translation>Wie die Sprache</translation>
    </message>
    <message>
        <source>English letters (C D E F G A B)</source>
        <translation>Englische Buchstaben (C D E F G A B)</translation>
    </message>
    <message>
        <source>German letters (C D E F G A H)</source>
        <translation>Deutsche Buchstaben (C D E F G A H)</translation>
    </message>
    <message>
        <source>Fixed do (Do Ré Mi Fa Sol La Si)</source>
        <translation>Feste Solmisation (Do Re Mi Fa Sol La Si)</translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation>&amp;Notennamen:</translation>
    </message>
</context>
<context>
    <name>tonalyst::MainWindow</name>
    <message>
        <source>&amp;Tones off</source>
        <translation>&amp;Töne aus</translation>
    </message>
    <message>
        <source>&amp;Tones on</source>
        <translation>&amp;Töne an</translation>
    </message>
    <message>
        <source>&amp;Beep off</source>
        <translation>&amp;Piepton aus</translation>
    </message>
    <message>
        <source>&amp;Beep on</source>
        <translation>&amp;Piepton an</translation>
    </message>
    <message>
        <source>Tonalyst</source>
        <translation>Tonalyst</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Fragenummer</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Question, continued</source>
        <translation>Frage, Fortsetzung</translation>
    </message>
    <message>
        <source>First part of your answer</source>
        <translation>Erster Teil Ihrer Antwort</translation>
    </message>
    <message>
        <source>Second part of your answer</source>
        <translation>Zweiter Teil Ihrer Antwort</translation>
    </message>
    <message>
        <source>Inversion of your answer</source>
        <translation>Umkehrung Ihrer Antwort</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Umkehrung</translation>
    </message>
    <message>
        <source>Verdict on your answer</source>
        <translation>Bewertung Ihrer Antwort</translation>
    </message>
    <message>
        <source>your answer was ....</source>
        <translation>Ihre Antwort war ....</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Show Choices</source>
        <translation>Auswahl zeigen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Submit Answer</source>
        <translation>Antwort abgeben</translation>
    </message>
    <message>
        <source>Hide Display</source>
        <translation>Anzeige aus</translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation>Ihre Antwort abgeben</translation>
    </message>
    <message>
        <source>Pop up the answer choices</source>
        <translation>Die Antwortmöglichkeiten aufklappen</translation>
    </message>
    <message>
        <source>Clear the staff or the answer, or repeat the tones (Esc)</source>
        <translation>Notensystem oder Antwort löschen oder die Töne wiederholen (Esc)</translation>
    </message>
    <message>
        <source>Start a run of questions</source>
        <translation>Eine Reihe von Fragen beginnen</translation>
    </message>
    <message>
        <source>Return to the ear-training window</source>
        <translation>Zurück zum Gehörbildungsfenster</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Not enough tones</source>
        <translation>Zu wenige Töne</translation>
    </message>
    <message>
        <source>Enter an answer</source>
        <translation>Geben Sie eine Antwort ein</translation>
    </message>
    <message>
        <source>choose an inversion</source>
        <translation>wählen Sie eine Umkehrung</translation>
    </message>
    <message>
        <source>Your corrected answer ...</source>
        <translation>Ihre korrigierte Antwort ...</translation>
    </message>
    <message>
        <source>Complete current question before changing activity ?</source>
        <translation>Die aktuelle Frage beenden, bevor die Aktivität wechselt?</translation>
    </message>
    <message>
        <source>Will change activity after current question completed</source>
        <translation>Die Aktivität wechselt, wenn die aktuelle Frage beendet ist</translation>
    </message>
    <message>
        <source>Will now reset status bar and change activtiy...</source>
        <translation>Statusanzeige wird zurückgesetzt und die Aktivität gewechselt...</translation>
    </message>
    <message>
        <source>test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Are you sure you want to reset Tonalyst?</source>
        <translation>Möchten Sie Tonalyst wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down Tonalyst ?</source>
        <translation>Möchten Sie Tonalyst wirklich beenden?</translation>
    </message>
    <message>
        <source>Repeat Tones</source>
        <translation>Töne wiederholen</translation>
    </message>
    <message>
        <source>Name all %1: %2 named so far</source>
        <translation>Alle %1 benennen: %2 bisher benannt</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>b</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>Auflösungszeichen</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>vermindert</translation>
    </message>
    <message>
        <source>half-diminished</source>
        <translation>halbvermindert</translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
    <message numerus="yes">
        <source>All %n name(s) are in: Backspace takes the last one back.</source>
        <translation>
            <numerusform>Der Name ist eingegeben: Rücktaste nimmt den letzten zurück.</numerusform>
            <numerusform>Alle %n Namen sind eingegeben: Rücktaste nimmt den letzten zurück.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the names offered.</source>
        <translation>„%1“ ist keiner der angebotenen Namen.</translation>
    </message>
    <message>
        <source>%1  (%2 of %3)</source>
        <translation>%1  (%2 von %3)</translation>
    </message>
    <message>
        <source>The language changes the next time Tonalyst starts.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Tonalyst.</translation>
    </message>
    <message>
        <source>In the key of %1</source>
        <translation>In %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::MidiDialog</name>
    <message>
        <source>MIDI Input</source>
        <translation>MIDI-Eingabe</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>MIDI-Keyboards</translation>
    </message>
    <message>
        <source>Sustain pedal</source>
        <translation>Haltepedal</translation>
    </message>
    <message>
        <source>Sostenuto pedal</source>
        <translation>Sostenutopedal</translation>
    </message>
    <message>
        <source>Soft pedal</source>
        <translation>Leisepedal</translation>
    </message>
    <message>
        <source>None: Enter submits</source>
        <translation>Keines: Eingabetaste gibt ab</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Play an answer on the keyboard: notes enter the staff, chords answer ear training. J respells the last note entered.</source>
        <translation>Spielen Sie eine Antwort auf dem Keyboard: Töne kommen ins Notensystem, Akkorde beantworten die Gehörbildung. J deutet den zuletzt eingegebenen Ton um.</translation>
    </message>
    <message>
        <source>Submit with:</source>
        <translation>Abgeben mit:</translation>
    </message>
    <message>
        <source>Play answers on:</source>
        <translation>Antworten spielen auf:</translation>
    </message>
    <message>
        <source>(no MIDI keyboard)</source>
        <translation>(kein MIDI-Keyboard)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht verbunden)</translation>
    </message>
    <message>
        <source>No MIDI system is running: neither the ALSA sequencer nor a JACK server answers. Tonalyst works as usual without one.</source>
        <translation>Kein MIDI-System läuft: weder der ALSA-Sequencer noch ein JACK-Server antwortet. Tonalyst arbeitet ohne eines wie gewohnt.</translation>
    </message>
    <message>
        <source>No MIDI keyboard is connected. Plug one in and press Refresh; a keyboard chosen here is connected by itself whenever it appears.</source>
        <translation>Kein MIDI-Keyboard ist angeschlossen. Schließen Sie eines an und drücken Sie Aktualisieren; ein hier gewähltes Keyboard wird von selbst verbunden, sobald es erscheint.</translation>
    </message>
    <message>
        <source>Listening to %1.</source>
        <translation>Hört auf %1.</translation>
    </message>
    <message>
        <source>Choose the keyboard to play answers on.</source>
        <translation>Wählen Sie das Keyboard, auf dem Sie Antworten spielen.</translation>
    </message>
</context>
<context>
    <name>tonalyst::NamePad</name>
    <message>
        <source>The key of the question</source>
        <translation>Die Tonart der Frage</translation>
    </message>
    <message>
        <source>The names you entered</source>
        <translation>Die eingegebenen Namen</translation>
    </message>
    <message>
        <source>Type a name</source>
        <translation>Einen Namen tippen</translation>
    </message>
    <message>
        <source>Enter adds the name typed to your answer; Backspace in the empty field takes the last one back</source>
        <translation>Eingabe fügt den getippten Namen der Antwort hinzu; Rücktaste im leeren Feld nimmt den letzten zurück</translation>
    </message>
    <message>
        <source>Type a name, then Enter</source>
        <translation>Einen Namen tippen, dann Eingabe</translation>
    </message>
    <message>
        <source>Why a typed name was not taken</source>
        <translation>Warum ein getippter Name nicht angenommen wurde</translation>
    </message>
    <message>
        <source>Replay Cadence</source>
        <translation>Kadenz wiederholen</translation>
    </message>
    <message>
        <source>Play the cadence that sets the key again</source>
        <translation>Die Kadenz, die die Tonart festlegt, noch einmal spielen</translation>
    </message>
    <message>
        <source>In the key of %1</source>
        <translation>In %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::NotePalette</name>
    <message>
        <source>Drag onto the staff</source>
        <translation>Ins Notensystem ziehen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Note with a natural</source>
        <translation>Note mit Auflösungszeichen</translation>
    </message>
    <message>
        <source>Note with a sharp</source>
        <translation>Note mit Kreuz</translation>
    </message>
    <message>
        <source>Note with a flat</source>
        <translation>Note mit b</translation>
    </message>
    <message>
        <source>Note with a double sharp</source>
        <translation>Note mit Doppelkreuz</translation>
    </message>
    <message>
        <source>Note with a double flat</source>
        <translation>Note mit Doppel-b</translation>
    </message>
</context>
<context>
    <name>tonalyst::NotesField</name>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Noten</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noten</translation>
    </message>
    <message>
        <source>Note names separated by blanks, such as Eb G Bb or F#4 A#4 C#5; Enter puts them on the staff, Enter on an empty field submits the answer</source>
        <translation>Notennamen durch Leerzeichen getrennt, etwa Eb G Bb oder F#4 A#4 C#5; Enter setzt sie ins Notensystem, Enter bei leerem Feld gibt die Antwort ab</translation>
    </message>
    <message>
        <source>e.g. Eb G Bb</source>
        <translation type="vanished">z. B. Eb G Bb</translation>
    </message>
    <message>
        <source>Notes not entered</source>
        <translation>Noten nicht eingegeben</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>z. B. %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::OkOnlyDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tonalyst::ProgressWindow</name>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Gesamte Zeit</translation>
    </message>
    <message>
        <source>Progress - %1</source>
        <translation>Fortschritt - %1</translation>
    </message>
    <message>
        <source>Reading the answers of %1 ...</source>
        <translation>Die Antworten von %1 werden gelesen ...</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>All activities</source>
        <translation>Alle Aktivitäten</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>&amp;Activity:</source>
        <translation>&amp;Aktivität:</translation>
    </message>
    <message>
        <source>Export CSV ...</source>
        <translation>CSV exportieren ...</translation>
    </message>
    <message>
        <source>Writes the answers of the chosen period to a CSV file</source>
        <translation>Schreibt die Antworten des gewählten Zeitraums in eine CSV-Datei</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Working out the figures ...</source>
        <translation>Die Zahlen werden berechnet ...</translation>
    </message>
    <message>
        <source>No answers in this period.</source>
        <translation>Keine Antworten in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>%1 answers from %2 to %3.</source>
        <translation>%1 Antworten vom %2 bis %3.</translation>
    </message>
    <message>
        <source>No answers yet.</source>
        <translation>Noch keine Antworten.</translation>
    </message>
    <message>
        <source>Writing %1 ...</source>
        <translation>%1 wird geschrieben ...</translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation>Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>The answers could not be written to %1: %2</source>
        <translation>Die Antworten konnten nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 answers written to %2.</source>
        <translation>%1 Antworten in %2 geschrieben.</translation>
    </message>
</context>
<context>
    <name>tonalyst::ProgressionOptionsDialog</name>
    <message>
        <source>Options: Progressions</source>
        <translation>Optionen: Akkordfolgen</translation>
    </message>
    <message>
        <source>Chords per Progression</source>
        <translation>Akkorde je Folge</translation>
    </message>
    <message>
        <source>Fewest chords per progression</source>
        <translation>Wenigste Akkorde je Folge</translation>
    </message>
    <message>
        <source>Most chords per progression</source>
        <translation>Meiste Akkorde je Folge</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Chords Played Besides the Triads in Root Position</source>
        <translation>Gespielte Akkorde außer den Dreiklängen in Grundstellung</translation>
    </message>
    <message>
        <source>seventh chords</source>
        <translation>Septakkorde</translation>
    </message>
    <message>
        <source>inversions</source>
        <translation>Umkehrungen</translation>
    </message>
</context>
<context>
    <name>tonalyst::PushWorker</name>
    <message>
        <source>Enter the service name or the address your teacher gave you.</source>
        <translation>Geben Sie den Dienstnamen oder die Adresse ein, die Ihr Lehrer Ihnen gegeben hat.</translation>
    </message>
    <message>
        <source>Could not connect: %1.</source>
        <translation>Keine Verbindung: %1.</translation>
    </message>
    <message>
        <source>Connected, but the class tables cannot be read: %1</source>
        <translation>Verbunden, aber die Klassentabellen können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Connected, but this database is not set up for a class yet.</source>
        <translation>Verbunden, aber diese Datenbank ist noch nicht für eine Klasse eingerichtet.</translation>
    </message>
    <message>
        <source>Connected to %1. Your answers can be sent.</source>
        <translation>Verbunden mit %1. Ihre Antworten können gesendet werden.</translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportDialog</name>
    <message>
        <source>Create Report</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>View/Print ...</source>
        <translation>Anzeigen/Drucken ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Source Data File</source>
        <translation>Quelldatendatei</translation>
    </message>
    <message>
        <source>Choose File ...</source>
        <translation>Datei wählen ...</translation>
    </message>
    <message>
        <source>Report Period</source>
        <translation>Berichtszeitraum</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absolut</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Relativ</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Days (inclusive)</source>
        <translation>Tage (einschließlich)</translation>
    </message>
    <message>
        <source>From :</source>
        <translation>Von :</translation>
    </message>
    <message>
        <source>To :</source>
        <translation>Bis :</translation>
    </message>
    <message>
        <source>Report Type</source>
        <translation>Berichtsart</translation>
    </message>
    <message>
        <source>test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>both</source>
        <translation>Beides</translation>
    </message>
    <message>
        <source>composite</source>
        <translation>Kombiniert</translation>
    </message>
    <message>
        <source>Report for current user: %1</source>
        <translation>Bericht für den aktuellen Benutzer: %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportDisplayWindow</name>
    <message>
        <source>Performance Report</source>
        <translation>Leistungsbericht</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>Back ...</source>
        <translation>Zurück ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportProgressWindow</name>
    <message>
        <source>Report Message</source>
        <translation>Berichtsmeldung</translation>
    </message>
</context>
<context>
    <name>tonalyst::RtMidiInput</name>
    <message>
        <source>The port %1 is not there.</source>
        <translation>Den Port %1 gibt es nicht.</translation>
    </message>
</context>
<context>
    <name>tonalyst::ScaleDegreeOptionsDialog</name>
    <message>
        <source>Options: Scale Degrees</source>
        <translation>Optionen: Tonleiterstufen</translation>
    </message>
    <message>
        <source>Degrees Asked</source>
        <translation>Gefragte Stufen</translation>
    </message>
    <message>
        <source>diatonic degrees (1 to 7)</source>
        <translation>leitereigene Stufen (1 bis 7)</translation>
    </message>
    <message>
        <source>with chromatic degrees (♭2 ♭3 ♯4 ♭6 ♭7 in major, ♭2 ♯4 ♮6 ♮7 in minor)</source>
        <translation>mit chromatischen Stufen (♭2 ♭3 ♯4 ♭6 ♭7 in Dur, ♭2 ♯4 ♮6 ♮7 in Moll)</translation>
    </message>
    <message>
        <source>Notes per question</source>
        <translation>Töne je Frage</translation>
    </message>
    <message>
        <source>&amp;Notes per question:</source>
        <translation>&amp;Töne je Frage:</translation>
    </message>
    <message>
        <source>Degrees Named</source>
        <translation>Benannte Stufen</translation>
    </message>
    <message>
        <source>as numbers (1 2 3)</source>
        <translation>als Zahlen (1 2 3)</translation>
    </message>
    <message>
        <source>in movable-do solfège (do re mi)</source>
        <translation>als relative Solmisation (do re mi)</translation>
    </message>
    <message>
        <source>Solfège in Minor Keys</source>
        <translation>Solmisation in Moll</translation>
    </message>
    <message>
        <source>do-based: the minor tonic is do</source>
        <translation>do-basiert: der Mollgrundton ist do</translation>
    </message>
    <message>
        <source>la-based: the minor tonic is la</source>
        <translation>la-basiert: der Mollgrundton ist la</translation>
    </message>
</context>
<context>
    <name>tonalyst::SplashWindow</name>
    <message>
        <source>your complete music theory fitness program</source>
        <translation>Ihr komplettes Trainingsprogramm für Musiktheorie</translation>
    </message>
    <message>
        <source>Tonalyst  is just warming up, one moment please ...</source>
        <translation>Tonalyst  wärmt sich auf, einen Moment bitte ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::StaffPanel</name>
    <message>
        <source>Not entered: %1.</source>
        <translation>Nicht eingegeben: %1.</translation>
    </message>
</context>
<context>
    <name>tonalyst::StaffWidget</name>
    <message>
        <source>Staff</source>
        <translation>Notensystem</translation>
    </message>
</context>
<context>
    <name>tonalyst::TestLengthDialog</name>
    <message>
        <source>Options: Test Length</source>
        <translation>Optionen: Testlänge</translation>
    </message>
    <message>
        <source>Number of Test Questions</source>
        <translation>Anzahl der Testfragen</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>zehn</translation>
    </message>
    <message>
        <source>fifteen</source>
        <translation>fünfzehn</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>zwanzig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tonalyst::UserIdDialog</name>
    <message>
        <source>User ID</source>
        <translation>Benutzer-ID</translation>
    </message>
    <message>
        <source>Enter Your User ID</source>
        <translation>Geben Sie Ihre Benutzer-ID ein</translation>
    </message>
    <message>
        <source>Maximum length 4 characters</source>
        <translation>Höchstens 4 Zeichen</translation>
    </message>
    <message>
        <source>Enter your initials, or use a codeword if you wish.  (Whatever you enter, be sure to write it down so you don&apos;t forget it.)</source>
        <translation>Geben Sie Ihre Initialen ein, oder ein Kennwort, wenn Sie möchten.  (Was Sie auch eingeben, schreiben Sie es auf, damit Sie es nicht vergessen.)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
