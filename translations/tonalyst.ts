<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>Alternation</name>
    <message>
        <source>Watch for raised scale degree 3, 6 or 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch for raised scale degree 6 or 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch for flat scale degree 3, 6 or 7</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerExport</name>
    <message>
        <source>the output cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerMenus</name>
    <message>
        <source>V %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerPreparation</name>
    <message>
        <source>You may be missing a natural sign.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerPusher</name>
    <message>
        <source>the answer history could not note the answers as sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class server: all your answers are sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class server: 1 answer is waiting to be sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class server: %1 answers are waiting to be sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class server: 1 answer is waiting on this computer, because %1. They are kept and sent later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class server: %1 answers are waiting on this computer, because %2. They are kept and sent later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppendJournal</name>
    <message>
        <source>cannot rename %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppliedChordGenerator</name>
    <message>
        <source>identify the given applied chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7 of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim7 of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AugmentedSixthGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Italian augmented 6 chord </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the French augmented 6 chord </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the German augmented 6 chord </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cadences</name>
    <message>
        <source>&amp;Cadences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cadences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cade&amp;nce Options ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ear Training : Cadences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen to the cadence that sets the key, then name the cadence that ends the phrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--plain-authentic (authentic cadences not named perfect or imperfect), --no-phrygian (no Phrygian half cadence in minor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect authentic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>imperfect authentic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>authentic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plagal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deceptive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrygian half</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChordAnswers</name>
    <message>
        <source>Triad :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7 of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim7 of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Augmented 6 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat-II (Neapolitan)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ii-dim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat-III</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>III-aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat-VI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vi-dim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat-VII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ii-half-dim7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>III-maj7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IV-maj7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VI-maj7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-half-dim7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IV (or iv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V  (or v)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChordEarTraining</name>
    <message>
        <source>Chor&amp;d Ear Training ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chord ear train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Ear Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ear Training : Chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounded: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen to each chord and name its quality.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChordFunctions</name>
    <message>
        <source>Chord &amp;Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chord functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord F&amp;unction Options ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ear Training : Chord Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen to the cadence, then name the chord by its Roman numeral.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sevenths, --inverted (inversions, named by figures), --applied (V/x and vii°/x), --borrowed (♭III, ♭VI, ♭VII, iv in major), --neapolitan (N6)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChordIdentification</name>
    <message>
        <source>Chord &amp;Identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chord ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes, lowest first: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name each chord and its inversion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name each chord with its Roman numeral and figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name each chord with its Roman numeral.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChordQualityAnswers</name>
    <message>
        <source>Triad :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>half-diminished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dominant (major-minor)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChordSpelling</name>
    <message>
        <source>Chord &amp;Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chord spell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write each chord on the staff.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one of the commands %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is required for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one --class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--type must be one of test, practice, both or composite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassSchema</name>
    <message>
        <source>The class database was set up by a newer Tonalyst (schema version %1; this Tonalyst knows versions up to %2). Use a newer Tonalyst with this database.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>could not make a password verifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The student ID &quot;%1&quot; is already a student of class %2. One ID is one student: to put that student into %3 as well, use tonalyst class enrol --class %3 --user ID; for another student, choose another ID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no student with the ID &quot;%1&quot; to put into a class; make one with tonalyst class add-student.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no class named &quot;%1&quot; that you may read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassSummaryText</name>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Class Summary for period :%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Class : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec/ques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>intspell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>intid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keysig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(whole class, %1 students)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cadence</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tonalyst: %1
Try &apos;tonalyst --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-dir needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--last cannot be combined with --from or --to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tonalyst %1: %2
Try &apos;tonalyst %1 --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DurableFile</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk refused to store it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot store %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder could not be synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FactRows</name>
    <message>
        <source>the history is not open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>No folder was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeardActivity</name>
    <message>
        <source>In the key of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Played: %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a date such as 2026-03-01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from is after --to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose one of --csv and --json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tonalyst history: %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistorySchema</name>
    <message>
        <source>it was made by a newer version of Tonalyst</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 was made by a newer version of Tonalyst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 was made by a newer version of Tonalyst: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 was made by an older version of Tonalyst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 was made by an older version of Tonalyst: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not allow write-ahead logging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start Tonalyst once to bring it up to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be renamed aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 was damaged. It has been renamed %2 and a new history has been started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InKeyMidiFolder</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InKeyWorksheet</name>
    <message>
        <source>In %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadence: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntervalAnswers</name>
    <message>
        <source>Unison : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixth :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octave :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntervalEarTraining</name>
    <message>
        <source>Inter&amp;val Ear Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interval ear train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval Ear Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ear Training : Intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounded: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen to each interval and name it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntervalGenerator</name>
    <message>
        <source>identify the given interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 : above %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 : below %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntervalIdentification</name>
    <message>
        <source>Interval I&amp;dentification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interval ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval Identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes, lowest first: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name each interval.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntervalSpelling</name>
    <message>
        <source>Interval S&amp;pelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interval spell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the lower note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the upper note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 below %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 above %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the note that makes each interval with the note given.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Inversion</name>
    <message>
        <source>(root position)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1st inversion)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2nd inversion)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(3rd inversion)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InversionAnswers</name>
    <message>
        <source>(root position)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1st inversion)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2nd inversion)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(3rd inversion)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(inversion)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyAnswers</name>
    <message>
        <source>major :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeySignatureIdentification</name>
    <message>
        <source>&amp;Key Signature Identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key signature ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Signature Identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key signature: no sharps or flats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the key of each key signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key signature: 1 sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key signature: 1 flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key signature: %1 sharps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key signature: %1 flats</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Utility    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performance &amp;Report ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Class Server ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Activity    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Method    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Key Settings ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hord Settings ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In&amp;versions ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Interval Selection ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ear Training Chord Selection ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clef Selection ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Key Signature Display ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test Length ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favor &amp;Weak Spots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Environment   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tones off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beep off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Shutdown ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search for Help on ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents                  F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Theory Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tonalyst ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ear Training Chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keysig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;MIDI Input ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res&amp;pell Last Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NeapolitanGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Flat-II (Neapolitan) chord </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>natural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 major</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteText</name>
    <message>
        <source>is not a note name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is below the staff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is above the staff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>treble clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bass clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key signature without sharps or flats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key signature of %1 flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key signature of %1 flats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key signature of %1 sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key signature of %1 sharps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no key of its own on the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is outside the keyboard&apos;s range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stands where a note is already entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is one more than the %1 note the question takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is one more than the %1 notes the question takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sounds on a key that another spelling already takes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperChords</name>
    <message>
        <source>diminished triad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor triad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major triad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented triad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>triad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>half-diminished seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dominant seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seventh</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperText</name>
    <message>
        <source>In the key of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(played: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect unison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect octave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfWorksheetPrinter</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PerformanceDataFile</name>
    <message>
        <source>cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records of an interrupted run are still waiting to be added to %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vanished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the seal of %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no folder could take the records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PgConnection</name>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped by Tonalyst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer from the server within %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the class server cannot be reached (it may be switched off, or the network is down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the class server did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the class server did not accept your login (ask your teacher to check your password)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the class server refused the answers (ask your teacher to check your class login)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonalyst was closed while sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the class server reported a problem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice success rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice time per question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test success rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test time per question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success rate and time per question over the period, practice and test apart. The table below the chart gives every figure.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a date such as 2026-05-06 or 6 May 26, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from is after --to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tonalyst progress: there is no answer history %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tonalyst progress: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tonalyst progress: the figures could not be written: %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressDesktop</name>
    <message>
        <source>The answer history %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressStatistics</name>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 heard as %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Progressions</name>
    <message>
        <source>Pr&amp;ogressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>progressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;gression Options ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ear Training : Progressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen to the cadence, then name every chord of the progression by its Roman numeral.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sevenths, --inverted, --length N or MIN-MAX (chords, 3 to 6, default 3-4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuestionCycle</name>
    <message>
        <source>That is not correct. <byte value="xd"/>
<byte value="xd"/>
Do you want to try again? <byte value="xd"/>
(Choose No to see answer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong: hit ok for next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good work: hit OK for next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Complete.  Hit OK to continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test complete: Do you wish to review any errors ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The right answer is :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question # %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No question can be made with the chosen settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enter  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer is ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No errors to check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make corrections and press OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still wrong: the right answer is :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You got it this time: hit ok to review next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer was ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question # %1 was...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No More errors to check</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuestionMaker</name>
    <message>
        <source>identify the given MINOR key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identify the given MAJOR key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordMessages</name>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They could not be saved anywhere else either and are lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They were saved in %3 instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They are kept safe and will be added to it when Tonalyst next starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.  The records of this run could not be saved elsewhere either and are lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.  The records of this run were saved in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records of a run that was cut short could not be added to %1 because the file has been changed since.  They were saved in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonalyst cannot keep performance records in %1 (%2).  The records of your runs will be saved elsewhere where possible.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordParser</name>
    <message>
        <source>The line has more than nine fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quoted text is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A date is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field %1 goes on after its closing quote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field %1 goes on after its closing number sign.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field %1 holds a stray quote or number sign.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text in double quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a date such as #1998-05-12#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line holds control characters or binary data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line has %1 fields instead of nine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field %1 should be %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field 2 is not a real date such as #1998-05-12#.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field %1 should be a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsLock</name>
    <message>
        <source>cannot create the lock file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another Tonalyst keeps the data file locked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportBytes</name>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file was cut short while it was read</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--type must be one of test, practice, both or composite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCompiler</name>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file is open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: The line is longer than %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDesktop</name>
    <message>
        <source>Choose File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data files (*.dat);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Performance Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    spelling attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    identification attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   identify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    ear train attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ear train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    total attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    with inversions on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   inversion on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    # of successes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   successes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    success rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   success %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    avg time/ques (sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   avg time/q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    avg # sharp/flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   avg shrp/flt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    SCORE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   SCORE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7 of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii7 of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug-6th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keysig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OVERALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Performance Report for period :%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    WARNING: THE SOURCE DATA FILE HAS NO SECURITY APPROVAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Report Type : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Data Source File : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Method reported on : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>composite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>There is a problem with the chosen file.  Be sure to choose a file which was created by Tonalyst<byte value="xd"/>
<byte value="xd"/>
(Tonalyst automatically creates a file named Varen.dat in the Tonalyst application directory).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Start Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid End Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date must preceed End Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 now contains  %2 records.  This may cause excessive i/o time during report compilation.  <byte value="xd"/>
<byte value="xd"/>
You should soon archive (ie. rename) varen.dat.  The program will then automatically start a new data file called varen.dat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must set page orientation to &quot;Landscape&quot;<byte value="xd"/>
<byte value="xd"/>
See Windows printer settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error occurred during report generation.  Please consult HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Now creating report.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Please wait ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Now printing report.  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>Performance Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunCounters</name>
    <message>
        <source>%1 sec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScaleDegrees</name>
    <message>
        <source>Sc&amp;ale Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scale degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale &amp;Degree Options ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ear Training : Scale Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen to the cadence, then name the scale degree of each note.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--chromatic (chromatic degrees too), --group N (1 to 4 notes a question, default 1), --solfege (answer key in movable do), --la-minor (with --solfege: la-based minor)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeventhGenerator</name>
    <message>
        <source>identify the given seventh chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 chord </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpellingErrors</name>
    <message>
        <source>Right pitch, wrong spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong accidental on the right letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong chord member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right note, wrong octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer not readable as notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in another octave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1<byte value="xd"/>
Tonalyst cannot keep your performance records there and will close. Choose another folder with --data-dir.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time per Ques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TriadGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 chord </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserIdCheck</name>
    <message>
        <source>You must enter a user id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A user id cannot contain quotation marks, commas or control characters. Please use letters and digits.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeakSpotHistory</name>
    <message>
        <source>there is no answer history at %1, so the weak spots are not known</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>no writable question found in the key of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonalyst worksheet: %1 (seed %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonalyst worksheet: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>this build cannot read the answer history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this build cannot write PDF files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this build cannot draw questions heard in a key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorksheetOptions</name>
    <message>
        <source>You must select at least one chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied dominant list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied leading tone  list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--intervals must be common or advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--interval-notes must be keys or all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--ear-chords must be triads, sevenths or both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option not allowed for ear training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--intervals advanced precludes --interval-notes all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key box &apos;%1&apos; in --keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mode must be major, minor or both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select at least one key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown chord box &apos;%1&apos; in --chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mixture takes triads, sevenths or both, comma-separated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count must be a whole number from 1 to 100000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0 to 4294967295</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--inversions must be off, basic or figured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paper must be a4 or letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--user needs a user ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-dir needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--clef must be treble, bass or random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--key-display must be written, symbolic or both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paper needs --pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf and --json cannot be combined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--favor-weak-spots needs --user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--user and --data-dir go with --favor-weak-spots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not go with --activity %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--la-minor goes with --solfege</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tempo must be a whole number from 40 to 160</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--accidentals must be a whole number from 0 to 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--group must be a whole number from 1 to 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--length must be a number of chords from 3 to 6, or two such as 3-5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--midi needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--midi and --json cannot be combined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--activity must be %1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorksheetUsage</name>
    <message>
        <source>what to ask (default %1): %2; heard in a key: %3 (see below)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::AboutDialog</name>
    <message>
        <source>About Tonalyst ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your complete music theory fitness program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drills in key signatures, intervals and chords, written and by ear, with practice and test runs and performance reports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tones are played by a software synthesizer from a General MIDI soundfont installed on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ActivitySection</name>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice
questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice
success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice time
per question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test
questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test
success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test time
per question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: success rate and time per question by week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: success rate and time per question by day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No questions in this period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weak spot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: weak spots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No errors in this period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind of mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: kinds of mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: confusions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mistakes to tell apart in this period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No confusions in this period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weak spots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinds of mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confusions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadence</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::AutoQuitDialog</name>
    <message>
        <source>Options: Auto Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown After Idle Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::CadenceOptionsDialog</name>
    <message>
        <source>Options: Cadences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadences Named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect and imperfect authentic cadences told apart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrygian half cadences in minor keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ChordFunctionOptionsDialog</name>
    <message>
        <source>Options: Chord Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chords Played Besides the Triads of the Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seventh chords (V7, ii7, vii°7 ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inversions (I6, V65, ii42 ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>applied chords (V/V, V7/ii, vii°7/V ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mixture in major keys (♭III, ♭VI, ♭VII, iv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neapolitan sixth (N6)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ChordSettingsDialog</name>
    <message>
        <source>You must select at least one chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied dominant list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied leading tone  list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixture On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options: Chord Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sevenths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applied Dominant7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7 of Flat-II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7 of ii </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7 of iii / III</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7 of IV / iv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7 of V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7 of vi / VI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7 of VII (minor only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applied vii-dim7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim7 of ii </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim7 of iii / III</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim7 of IV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim7 of V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim7 of vi / VI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vii-dim7 of VII (minor only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Augmented 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neapolitan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ClassServerDialog</name>
    <message>
        <source>Send my answers to the class server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>service name, or postgresql://host/database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your teacher gives you the service name or address and a password for your ~/.pgpass file. Tonalyst keeps no password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing the connection ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ClassServerLink</name>
    <message>
        <source>Class server: on. Answers are sent once your answer history is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class server: sending your answers ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ClefDialog</name>
    <message>
        <source>Options: Clef Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clef Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treble Clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bass Clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::EarTrainingChordDialog</name>
    <message>
        <source>Options: Ear Training Chord Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ear Training Chord Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sevenths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::EarTrainingWindow</name>
    <message>
        <source>Ear Training: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First part of your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second part of your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict on your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your answer is ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Tones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pop up the answer choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the tones again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::HelpWindow</name>
    <message>
        <source>Tonalyst Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theory Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonalyst Help - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::HistoryWriter</name>
    <message>
        <source>The records of %1 could not be brought into the answer history: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers are kept and stored as soon as the history can be written again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::InKeyCommonGroup</name>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major and minor keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key and Tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most sharps or flats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the cadence while the key stays the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo in quarter notes per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most &amp;sharps or flats:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tempo (quarter notes per minute):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::InKeyOptionsDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::IntervalOptionsDialog</name>
    <message>
        <source>Options: Interval Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval Type Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>common intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>advanced intervals (this option precludes &quot;all possible notes&quot; option below -see help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect unison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished fifth (tri-tone)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfect octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all common intervals, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>augmented sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval Note Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select from chosen keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select from all possible notes (this option precludes advanced intervals-see help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option not allowed for ear training</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::InversionDialog</name>
    <message>
        <source>Options: Inversion Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inversion Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inversions Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inversions On : basic notation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inversions On : figured bass notation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::KeySettingsDialog</name>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options: Key Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharp Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C / a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G / e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D / b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A / f-sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E / c-sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B / g-sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F-sharp / d-sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-sharp / a-sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F / d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B-flat / g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-flat / c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A-flat / f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D-flat / b-flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G-flat / e-flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-flat / a-flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select at least one key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::KeySigDisplayDialog</name>
    <message>
        <source>Options: Key Signature Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Indication for chord ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbolic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::LanguageDialog</name>
    <message>
        <source>Options: Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English letters (C D E F G A B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German letters (C D E F G A H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed do (Do Ré Mi Fa Sol La Si)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::MainWindow</name>
    <message>
        <source>&amp;Tones off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tones on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beep off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beep on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonalyst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question, continued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First part of your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second part of your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inversion of your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict on your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your answer was ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pop up the answer choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the staff or the answer, or repeat the tones (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a run of questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to the ear-training window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough tones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose an inversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your corrected answer ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete current question before changing activity ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will change activity after current question completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will now reset status bar and change activtiy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to reset Tonalyst?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to shut down Tonalyst ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Tones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name all %1: %2 named so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>natural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diminished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>half-diminished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>All %n name(s) are in: Backspace takes the last one back.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the names offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (%2 of %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes the next time Tonalyst starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the key of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::MidiDialog</name>
    <message>
        <source>MIDI Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sustain pedal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sostenuto pedal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soft pedal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: Enter submits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play an answer on the keyboard: notes enter the staff, chords answer ear training. J respells the last note entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play answers on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no MIDI keyboard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No MIDI system is running: neither the ALSA sequencer nor a JACK server answers. Tonalyst works as usual without one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No MIDI keyboard is connected. Plug one in and press Refresh; a keyboard chosen here is connected by itself whenever it appears.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the keyboard to play answers on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::NamePad</name>
    <message>
        <source>The key of the question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The names you entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter adds the name typed to your answer; Backspace in the empty field takes the last one back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a name, then Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why a typed name was not taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay Cadence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the cadence that sets the key again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the key of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::NotePalette</name>
    <message>
        <source>Drag onto the staff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note with a natural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note with a sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note with a flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note with a double sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note with a double flat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::NotesField</name>
    <message>
        <source>&amp;Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note names separated by blanks, such as Eb G Bb or F#4 A#4 C#5; Enter puts them on the staff, Enter on an empty field submits the answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes not entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::OkOnlyDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ProgressWindow</name>
    <message>
        <source>Last 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the answers of %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All activities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Activity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the answers of the chosen period to a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working out the figures ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answers in this period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answers from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answers yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answers could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answers written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ProgressionOptionsDialog</name>
    <message>
        <source>Options: Progressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chords per Progression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewest chords per progression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most chords per progression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chords Played Besides the Triads in Root Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seventh chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inversions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::PushWorker</name>
    <message>
        <source>Enter the service name or the address your teacher gave you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected, but the class tables cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected, but this database is not set up for a class yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to %1. Your answers can be sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportDialog</name>
    <message>
        <source>Create Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View/Print ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose File ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days (inclusive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>composite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report for current user: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportDisplayWindow</name>
    <message>
        <source>Performance Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportProgressWindow</name>
    <message>
        <source>Report Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::RtMidiInput</name>
    <message>
        <source>The port %1 is not there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::ScaleDegreeOptionsDialog</name>
    <message>
        <source>Options: Scale Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees Asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diatonic degrees (1 to 7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with chromatic degrees (♭2 ♭3 ♯4 ♭6 ♭7 in major, ♭2 ♯4 ♮6 ♮7 in minor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes per question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes per question:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees Named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as numbers (1 2 3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in movable-do solfège (do re mi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solfège in Minor Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>do-based: the minor tonic is do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la-based: the minor tonic is la</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::SplashWindow</name>
    <message>
        <source>your complete music theory fitness program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonalyst  is just warming up, one moment please ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::StaffPanel</name>
    <message>
        <source>Not entered: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::StaffWidget</name>
    <message>
        <source>Staff</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::TestLengthDialog</name>
    <message>
        <source>Options: Test Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Test Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifteen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>twenty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonalyst::UserIdDialog</name>
    <message>
        <source>User ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Your User ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum length 4 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your initials, or use a codeword if you wish.  (Whatever you enter, be sure to write it down so you don&apos;t forget it.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
