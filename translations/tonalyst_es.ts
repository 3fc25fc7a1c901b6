<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Alternation</name>
    <message>
        <source>Watch for raised scale degree 3, 6 or 7</source>
        <translation>Atención al 3.º, 6.º o 7.º grado elevado</translation>
    </message>
    <message>
        <source>Watch for raised scale degree 6 or 7</source>
        <translation>Atención al 6.º o 7.º grado elevado</translation>
    </message>
    <message>
        <source>Watch for flat scale degree 3, 6 or 7</source>
        <translation>Atención al 3.º, 6.º o 7.º grado rebajado</translation>
    </message>
</context>
<context>
    <name>AnswerExport</name>
    <message>
        <source>the output cannot be written</source>
        <translation>no se puede escribir la salida</translation>
    </message>
    <message>
        <source>the output cannot be written: %1</source>
        <translation>no se puede escribir la salida: %1</translation>
    </message>
</context>
<context>
    <name>AnswerMenus</name>
    <message>
        <source>V %1 of %2</source>
        <translation>V %1 de %2</translation>
    </message>
    <message>
        <source>vii-dim %1 of %2</source>
        <translation>vii-dism %1 de %2</translation>
    </message>
</context>
<context>
    <name>AnswerPreparation</name>
    <message>
        <source>You may be missing a natural sign.</source>
        <translation>Quizá falte un becuadro.</translation>
    </message>
</context>
<context>
    <name>AnswerPusher</name>
    <message>
        <source>the answer history could not note the answers as sent</source>
        <translation>el historial de respuestas no pudo marcar las respuestas como enviadas</translation>
    </message>
    <message>
        <source>Class server: all your answers are sent.</source>
        <translation>Servidor de clase: todas sus respuestas están enviadas.</translation>
    </message>
    <message>
        <source>Class server: 1 answer is waiting to be sent.</source>
        <translation>Servidor de clase: 1 respuesta espera ser enviada.</translation>
    </message>
    <message>
        <source>Class server: %1 answers are waiting to be sent.</source>
        <translation>Servidor de clase: %1 respuestas esperan ser enviadas.</translation>
    </message>
    <message>
        <source>Class server: 1 answer is waiting on this computer, because %1. They are kept and sent later.</source>
        <translation>Servidor de clase: 1 respuesta espera en este ordenador, porque %1. Se guarda y se enviará más tarde.</translation>
    </message>
    <message>
        <source>Class server: %1 answers are waiting on this computer, because %2. They are kept and sent later.</source>
        <translation>Servidor de clase: %1 respuestas esperan en este ordenador, porque %2. Se guardan y se enviarán más tarde.</translation>
    </message>
</context>
<context>
    <name>AppendJournal</name>
    <message>
        <source>cannot rename %1</source>
        <translation>no se puede renombrar %1</translation>
    </message>
</context>
<context>
    <name>AppliedChordGenerator</name>
    <message>
        <source>identify the given applied chord</source>
        <translation>identifique el acorde de dominante secundaria dado</translation>
    </message>
    <message>
        <source>V7 of %1</source>
        <translation>V7 de %1</translation>
    </message>
    <message>
        <source>vii-dim7 of %1</source>
        <translation>vii°7 de %1</translation>
    </message>
</context>
<context>
    <name>AugmentedSixthGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation>identifique el acorde dado</translation>
    </message>
    <message>
        <source>the Italian augmented 6 chord </source>
        <translation>la sexta aumentada italiana </translation>
    </message>
    <message>
        <source>the French augmented 6 chord </source>
        <translation>la sexta aumentada francesa </translation>
    </message>
    <message>
        <source>the German augmented 6 chord </source>
        <translation>la sexta aumentada alemana </translation>
    </message>
</context>
<context>
    <name>Cadences</name>
    <message>
        <source>&amp;Cadences</source>
        <translation>Cade&amp;ncias</translation>
    </message>
    <message>
        <source>cadences</source>
        <translation>cadencias</translation>
    </message>
    <message>
        <source>Cadences</source>
        <translation>Cadencias</translation>
    </message>
    <message>
        <source>Cade&amp;nce Options ...</source>
        <translation>Cade&amp;ncias ...</translation>
    </message>
    <message>
        <source>Ear Training : Cadences</source>
        <translation>Oído : cadencias</translation>
    </message>
    <message>
        <source>Listen to the cadence that sets the key, then name the cadence that ends the phrase.</source>
        <translation>Escuche la cadencia que establece la tonalidad y nombre después la cadencia que cierra la frase.</translation>
    </message>
    <message>
        <source>--plain-authentic (authentic cadences not named perfect or imperfect), --no-phrygian (no Phrygian half cadence in minor)</source>
        <translation>--plain-authentic (cadencias auténticas sin llamarlas perfectas o imperfectas), --no-phrygian (sin semicadencia frigia en menor)</translation>
    </message>
    <message>
        <source>perfect authentic</source>
        <translation>cadencia perfecta</translation>
    </message>
    <message>
        <source>imperfect authentic</source>
        <translation>cadencia imperfecta</translation>
    </message>
    <message>
        <source>authentic</source>
        <translation>cadencia auténtica</translation>
    </message>
    <message>
        <source>half</source>
        <translation>semicadencia</translation>
    </message>
    <message>
        <source>plagal</source>
        <translation>cadencia plagal</translation>
    </message>
    <message>
        <source>deceptive</source>
        <translation>cadencia rota</translation>
    </message>
    <message>
        <source>Phrygian half</source>
        <translation>semicadencia frigia</translation>
    </message>
</context>
<context>
    <name>ChordAnswers</name>
    <message>
        <source>Triad :</source>
        <translation>Tríada :</translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation>Acorde de séptima :</translation>
    </message>
    <message>
        <source>V7 of</source>
        <translation>V7 de</translation>
    </message>
    <message>
        <source>vii-dim7 of</source>
        <translation>vii-dism7 de</translation>
    </message>
    <message>
        <source>Augmented 6 :</source>
        <translation>Sexta aumentada :</translation>
    </message>
    <message>
        <source>Flat-II (Neapolitan)</source>
        <translation>♭II (sexta napolitana)</translation>
    </message>
    <message>
        <source>ii-dim</source>
        <translation>ii-dism</translation>
    </message>
    <message>
        <source>Flat-III</source>
        <translation>♭III</translation>
    </message>
    <message>
        <source>III-aug</source>
        <translation>III-aum</translation>
    </message>
    <message>
        <source>Flat-VI</source>
        <translation>♭VI</translation>
    </message>
    <message>
        <source>vi-dim</source>
        <translation>vi-dism</translation>
    </message>
    <message>
        <source>vii-dim</source>
        <translation>vii-dism</translation>
    </message>
    <message>
        <source>Flat-VII</source>
        <translation>♭VII</translation>
    </message>
    <message>
        <source>ii-half-dim7</source>
        <translation>ii-semidism7</translation>
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
        <translation>vii-semidism7</translation>
    </message>
    <message>
        <source>vii-dim7</source>
        <translation>vii-dism7</translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation>♭II</translation>
    </message>
    <message>
        <source>IV (or iv)</source>
        <translation>IV (o iv)</translation>
    </message>
    <message>
        <source>V  (or v)</source>
        <translation>V  (o v)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>alemana</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francesa</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italiana</translation>
    </message>
</context>
<context>
    <name>ChordEarTraining</name>
    <message>
        <source>Chor&amp;d Ear Training ...</source>
        <translation>Acordes de &amp;oído ...</translation>
    </message>
    <message>
        <source>chord ear train</source>
        <translation>acordes de oído</translation>
    </message>
    <message>
        <source>Chord Ear Training</source>
        <translation>Acordes de oído</translation>
    </message>
    <message>
        <source>Ear Training : Chords</source>
        <translation>Oído : acordes</translation>
    </message>
    <message>
        <source>Sounded: </source>
        <translation>Sonó: </translation>
    </message>
    <message>
        <source>Listen to each chord and name its quality.</source>
        <translation>Escuche cada acorde y nombre su especie.</translation>
    </message>
    <message>
        <source>triad</source>
        <translation type="vanished">tríada</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation type="vanished">séptima</translation>
    </message>
</context>
<context>
    <name>ChordFunctions</name>
    <message>
        <source>Chord &amp;Functions</source>
        <translation>&amp;Funciones de los acordes</translation>
    </message>
    <message>
        <source>chord functions</source>
        <translation>funciones de los acordes</translation>
    </message>
    <message>
        <source>Chord Functions</source>
        <translation>Funciones de los acordes</translation>
    </message>
    <message>
        <source>Chord F&amp;unction Options ...</source>
        <translation>&amp;Funciones de los acordes ...</translation>
    </message>
    <message>
        <source>Ear Training : Chord Functions</source>
        <translation>Oído : funciones de los acordes</translation>
    </message>
    <message>
        <source>Listen to the cadence, then name the chord by its Roman numeral.</source>
        <translation>Escuche la cadencia y nombre después el acorde por su número romano.</translation>
    </message>
    <message>
        <source>--sevenths, --inverted (inversions, named by figures), --applied (V/x and vii°/x), --borrowed (♭III, ♭VI, ♭VII, iv in major), --neapolitan (N6)</source>
        <translation>--sevenths, --inverted (inversiones, nombradas por su cifrado), --applied (V/x y vii°/x), --borrowed (♭III, ♭VI, ♭VII, iv en mayor), --neapolitan (N6)</translation>
    </message>
</context>
<context>
    <name>ChordIdentification</name>
    <message>
        <source>Chord &amp;Identification</source>
        <translation>Identificar a&amp;cordes</translation>
    </message>
    <message>
        <source>chord ID</source>
        <translation>identif. acordes</translation>
    </message>
    <message>
        <source>Chord Identification</source>
        <translation>Identificación de acordes</translation>
    </message>
    <message>
        <source>Notes, lowest first: </source>
        <translation>Notas, de grave a agudo: </translation>
    </message>
    <message>
        <source>Name each chord and its inversion.</source>
        <translation>Nombre cada acorde y su inversión.</translation>
    </message>
    <message>
        <source>Name each chord with its Roman numeral and figures.</source>
        <translation>Nombre cada acorde con su número romano y su cifrado.</translation>
    </message>
    <message>
        <source>Name each chord with its Roman numeral.</source>
        <translation>Nombre cada acorde con su número romano.</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>ChordQualityAnswers</name>
    <message>
        <source>Triad :</source>
        <translation>Tríada :</translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation>Acorde de séptima :</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>disminuido</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>menor</translation>
    </message>
    <message>
        <source>major</source>
        <translation>mayor</translation>
    </message>
    <message>
        <source>augmented</source>
        <translation>aumentado</translation>
    </message>
    <message>
        <source>half-diminished</source>
        <translation>semidisminuido</translation>
    </message>
    <message>
        <source>dominant (major-minor)</source>
        <translation>de dominante (mayor-menor)</translation>
    </message>
</context>
<context>
    <name>ChordSpelling</name>
    <message>
        <source>Chord &amp;Spelling</source>
        <translation>&amp;Escribir acordes</translation>
    </message>
    <message>
        <source>chord spell</source>
        <translation>escribir acordes</translation>
    </message>
    <message>
        <source>Chord Spelling</source>
        <translation>Escritura de acordes</translation>
    </message>
    <message>
        <source>Write each chord on the staff.</source>
        <translation>Escriba cada acorde en el pentagrama.</translation>
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
        <translation>Uso: tonalyst class COMMAND --db SERVER [opciones]

Guarda las respuestas de una clase en un servidor PostgreSQL. SERVER es una URI de
conexión (postgresql://host/database), ajustes key=value o un nombre de servicio de
~/.pg_service.conf; las contraseñas vienen de ~/.pgpass o del archivo de servicio.

Órdenes:
  init                                  crear las tablas de la base de datos de la clase, o actualizarlas
  add-student --class NAME --user ID    crear un acceso para un alumno nuevo de la clase (se rechaza un
                                        ID que ya está en otra clase: un ID, un alumno)
  enrol --class NAME --user ID          inscribir también a un alumno existente en otra clase
                                        (sin acceso nuevo; los profesores de esa clase leen
                                        entonces todas las respuestas del alumno)
  add-teacher --class NAME[,NAME...] --user ID
                                        crear un acceso para el profesor de esas clases
  import --data FILE --user ID          llevar al servidor los registros del alumno de un archivo
                                        de datos, salvo los que su ventana ya ha enviado
  report --user ID [period] [--type TYPE]
                                        un informe de rendimiento, con la forma del de tonalyst report
  summary --class NAME [period] [--csv] una línea por alumno de la clase

Periodo (period): --last N (los últimos N días hasta hoy, de 1 a 31, 7 por omisión), o --from DATE
y --to DATE (como 1998-05-06; --to es hoy por omisión).
TYPE: test, practice, both o composite (por omisión: composite).
</translation>
    </message>
    <message>
        <source>give one of the commands %1</source>
        <translation>indique una de las órdenes %1</translation>
    </message>
    <message>
        <source>%1 is required for %2</source>
        <translation>%1 es obligatorio para %2</translation>
    </message>
    <message>
        <source>give one --class</source>
        <translation>indique un solo --class</translation>
    </message>
    <message>
        <source>--type must be one of test, practice, both or composite</source>
        <translation>--type debe ser test, practice, both o composite</translation>
    </message>
</context>
<context>
    <name>ClassSchema</name>
    <message>
        <source>The class database was set up by a newer Tonalyst (schema version %1; this Tonalyst knows versions up to %2). Use a newer Tonalyst with this database.</source>
        <translation>La base de datos de la clase la creó un Tonalyst más reciente (versión de esquema %1; este Tonalyst conoce versiones hasta la %2). Use un Tonalyst más reciente con esta base de datos.</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>could not make a password verifier</source>
        <translation>no se pudo crear un verificador de contraseña</translation>
    </message>
    <message>
        <source>The student ID &quot;%1&quot; is already a student of class %2. One ID is one student: to put that student into %3 as well, use tonalyst class enrol --class %3 --user ID; for another student, choose another ID.</source>
        <translation>El ID de alumno «%1» ya es un alumno de la clase %2. Un ID es un alumno: para inscribir también a ese alumno en %3, use tonalyst class enrol --class %3 --user ID; para otro alumno, elija otro ID.</translation>
    </message>
    <message>
        <source>There is no student with the ID &quot;%1&quot; to put into a class; make one with tonalyst class add-student.</source>
        <translation>No hay ningún alumno con el ID «%1» para inscribir en una clase; créelo con tonalyst class add-student.</translation>
    </message>
    <message>
        <source>There is no class named &quot;%1&quot; that you may read.</source>
        <translation>No hay ninguna clase llamada «%1» que usted pueda leer.</translation>
    </message>
</context>
<context>
    <name>ClassSummaryText</name>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>    Class Summary for period :%1 to %2</source>
        <translation>    Resumen de la clase del periodo :%1 al %2</translation>
    </message>
    <message>
        <source>    Class : %1</source>
        <translation>    Clase : %1</translation>
    </message>
    <message>
        <source>answers</source>
        <translation>resp.</translation>
    </message>
    <message>
        <source>success</source>
        <translation>éxito</translation>
    </message>
    <message>
        <source>sec/ques</source>
        <translation>s/preg.</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUNTOS</translation>
    </message>
    <message>
        <source>spell</source>
        <translation>escrib.</translation>
    </message>
    <message>
        <source>identify</source>
        <translation>identif.</translation>
    </message>
    <message>
        <source>ear</source>
        <translation>oído</translation>
    </message>
    <message>
        <source>intspell</source>
        <translation>int.esc.</translation>
    </message>
    <message>
        <source>intid</source>
        <translation>int.id.</translation>
    </message>
    <message>
        <source>keysig</source>
        <translation>armadura</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>últ. día</translation>
    </message>
    <message>
        <source>student</source>
        <translation>alumno</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>(whole class, %1 students)</source>
        <translation>(toda la clase, %1 alumnos)</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>function</source>
        <translation>función</translation>
    </message>
    <message>
        <source>prog.</source>
        <translation>progr.</translation>
    </message>
    <message>
        <source>cadence</source>
        <translation>cadencia</translation>
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
        <translation>Uso: tonalyst [--data-dir DIR]
     tonalyst worksheet [opciones]   (véase tonalyst worksheet --help)
     tonalyst report [opciones]      (véase tonalyst report --help)
     tonalyst history [opciones]     (véase tonalyst history --help)
     tonalyst progress [opciones]    (véase tonalyst progress --help)
     tonalyst class COMMAND [opciones] (véase tonalyst class --help)

Tonalyst, su programa completo de entrenamiento en teoría musical.

Opciones:
  --data-dir DIR  guardar el archivo de datos de rendimiento varen.dat en DIR
                  (por omisión: la carpeta de datos del usuario, ~/.local/share/tonalyst)
  --help          mostrar este texto
  --version       mostrar la versión

Las opciones propias de Qt, como -style NAME, -platform NAME, -display DISPLAY,
-geometry WxH+X+Y y -reverse, se pasan a Qt.
</translation>
    </message>
    <message>
        <source>tonalyst: %1
Try &apos;tonalyst --help&apos;.
</source>
        <translation>tonalyst: %1
Pruebe &apos;tonalyst --help&apos;.
</translation>
    </message>
    <message>
        <source>--data-dir needs a value</source>
        <translation>--data-dir necesita un valor</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 debe ser un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 es obligatorio</translation>
    </message>
    <message>
        <source>--last cannot be combined with --from or --to</source>
        <translation>--last no se puede combinar con --from ni con --to</translation>
    </message>
    <message>
        <source>tonalyst %1: %2
Try &apos;tonalyst %1 --help&apos;.
</source>
        <translation>tonalyst %1: %2
Pruebe &apos;tonalyst %1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>DurableFile</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>the disk refused to store it</source>
        <translation>el disco se negó a guardarlo</translation>
    </message>
    <message>
        <source>cannot store %1: %2</source>
        <translation>no se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>its folder could not be synced</source>
        <translation>no se pudo sincronizar su carpeta</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>no se puede eliminar %1: %2</translation>
    </message>
</context>
<context>
    <name>FactRows</name>
    <message>
        <source>the history is not open</source>
        <translation>el historial no está abierto</translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>No folder was given.</source>
        <translation>No se indicó ninguna carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>HeardActivity</name>
    <message>
        <source>In the key of %1</source>
        <translation>En %1</translation>
    </message>
    <message>
        <source>Played: %1</source>
        <translation>Tocado: %1</translation>
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
        <translation>Uso: tonalyst history --user ID [--data-dir DIR] [--from DATE --to DATE | --last N]
                      [--answers N] (--csv | --json)

Escribe las respuestas de un alumno del historial de respuestas, las más antiguas primero, una fila cada una.

  --user ID        de quién son las respuestas
  --data-dir DIR   la carpeta del historial (por omisión: la carpeta de datos del usuario)
  --from DATE      respuestas desde este día (AAAA-MM-DD, UTC)
  --to DATE        respuestas hasta este día incluido
  --last N         los últimos N días hasta hoy (UTC), como en toda orden de tonalyst
  --answers N      solo las últimas N respuestas del periodo (lo que antes significaba --last)
  --csv            una fila de cabecera y luego una fila por respuesta (RFC 4180)
  --json           un objeto JSON por respuesta y línea
  --help           este texto
</translation>
    </message>
    <message>
        <source>%1 must be a date such as 2026-03-01</source>
        <translation>%1 debe ser una fecha como 2026-03-01</translation>
    </message>
    <message>
        <source>--from is after --to</source>
        <translation>--from es posterior a --to</translation>
    </message>
    <message>
        <source>choose one of --csv and --json</source>
        <translation>elija una de --csv y --json</translation>
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
        <translation>lo creó una versión más reciente de Tonalyst</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>the folder %1: %2</source>
        <translation>la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be read.</source>
        <translation>No se puede leer el historial de respuestas %1.</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be read: %2</source>
        <translation>No se puede leer el historial de respuestas %1: %2</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be written.</source>
        <translation>No se puede escribir el historial de respuestas %1.</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be written: %2</source>
        <translation>No se puede escribir el historial de respuestas %1: %2</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged.</source>
        <translation>El historial de respuestas %1 está dañado.</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged: %2</source>
        <translation>El historial de respuestas %1 está dañado: %2</translation>
    </message>
    <message>
        <source>The answer history %1 was made by a newer version of Tonalyst.</source>
        <translation>El historial de respuestas %1 lo creó una versión más reciente de Tonalyst.</translation>
    </message>
    <message>
        <source>The answer history %1 was made by a newer version of Tonalyst: %2</source>
        <translation>El historial de respuestas %1 lo creó una versión más reciente de Tonalyst: %2</translation>
    </message>
    <message>
        <source>The answer history %1 was made by an older version of Tonalyst.</source>
        <translation>El historial de respuestas %1 lo creó una versión más antigua de Tonalyst.</translation>
    </message>
    <message>
        <source>The answer history %1 was made by an older version of Tonalyst: %2</source>
        <translation>El historial de respuestas %1 lo creó una versión más antigua de Tonalyst: %2</translation>
    </message>
    <message>
        <source>the file does not allow write-ahead logging</source>
        <translation>el archivo no permite el registro previo a la escritura (WAL)</translation>
    </message>
    <message>
        <source>start Tonalyst once to bring it up to date</source>
        <translation>inicie Tonalyst una vez para actualizarlo</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be renamed aside.</source>
        <translation>El historial de respuestas %1 está dañado y no se puede apartar con otro nombre.</translation>
    </message>
    <message>
        <source>The answer history %1 was damaged. It has been renamed %2 and a new history has been started.</source>
        <translation>El historial de respuestas %1 estaba dañado. Se ha renombrado como %2 y se ha empezado un historial nuevo.</translation>
    </message>
    <message>
        <source>the history is not open</source>
        <translation>el historial no está abierto</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>no está abierto</translation>
    </message>
</context>
<context>
    <name>InKeyMidiFolder</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>InKeyWorksheet</name>
    <message>
        <source>In %1</source>
        <translation>En %1</translation>
    </message>
    <message>
        <source>Cadence: %1</source>
        <translation>Cadencia: %1</translation>
    </message>
    <message>
        <source>Then: %1</source>
        <translation>Después: %1</translation>
    </message>
</context>
<context>
    <name>IntervalAnswers</name>
    <message>
        <source>Unison : </source>
        <translation>Unísono : </translation>
    </message>
    <message>
        <source>Second :</source>
        <translation>Segunda :</translation>
    </message>
    <message>
        <source>Third :</source>
        <translation>Tercera :</translation>
    </message>
    <message>
        <source>Fourth :</source>
        <translation>Cuarta :</translation>
    </message>
    <message>
        <source>Fifth :</source>
        <translation>Quinta :</translation>
    </message>
    <message>
        <source>Sixth :</source>
        <translation>Sexta :</translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation>Séptima :</translation>
    </message>
    <message>
        <source>Octave :</source>
        <translation>Octava :</translation>
    </message>
    <message>
        <source>perfect</source>
        <translation>justa</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>menor</translation>
    </message>
    <message>
        <source>major</source>
        <translation>mayor</translation>
    </message>
    <message>
        <source>augmented</source>
        <translation>aumentada</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>disminuida</translation>
    </message>
</context>
<context>
    <name>IntervalEarTraining</name>
    <message>
        <source>Inter&amp;val Ear Training</source>
        <translation>Inter&amp;valos de oído</translation>
    </message>
    <message>
        <source>interval ear train</source>
        <translation>intervalos de oído</translation>
    </message>
    <message>
        <source>Interval Ear Training</source>
        <translation>Intervalos de oído</translation>
    </message>
    <message>
        <source>Ear Training : Intervals</source>
        <translation>Oído : intervalos</translation>
    </message>
    <message>
        <source>Sounded: </source>
        <translation>Sonó: </translation>
    </message>
    <message>
        <source>Listen to each interval and name it.</source>
        <translation>Escuche cada intervalo y nómbrelo.</translation>
    </message>
</context>
<context>
    <name>IntervalGenerator</name>
    <message>
        <source>identify the given interval</source>
        <translation>identifique el intervalo dado</translation>
    </message>
    <message>
        <source>perfect</source>
        <translation>justa</translation>
    </message>
    <message>
        <source>major</source>
        <translation>mayor</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>menor</translation>
    </message>
    <message>
        <source>augmented</source>
        <translation>aumentada</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>disminuida</translation>
    </message>
    <message>
        <source>Unison</source>
        <translation>unísono</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>segunda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>tercera</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>cuarta</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>quinta</translation>
    </message>
    <message>
        <source>Sixth</source>
        <translation>sexta</translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation>séptima</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>octava</translation>
    </message>
    <message>
        <source>%1 %2 : above %3</source>
        <translation>%2 %1 por encima de %3</translation>
    </message>
    <message>
        <source>%1 %2 : below %3</source>
        <translation>%2 %1 por debajo de %3</translation>
    </message>
</context>
<context>
    <name>IntervalIdentification</name>
    <message>
        <source>Interval I&amp;dentification</source>
        <translation>I&amp;dentificar intervalos</translation>
    </message>
    <message>
        <source>interval ID</source>
        <translation>identif. intervalos</translation>
    </message>
    <message>
        <source>Interval Identification</source>
        <translation>Identificación de intervalos</translation>
    </message>
    <message>
        <source>Notes, lowest first: </source>
        <translation>Notas, de grave a agudo: </translation>
    </message>
    <message>
        <source>Name each interval.</source>
        <translation>Nombre cada intervalo.</translation>
    </message>
</context>
<context>
    <name>IntervalSpelling</name>
    <message>
        <source>Interval S&amp;pelling</source>
        <translation>Escribir &amp;intervalos</translation>
    </message>
    <message>
        <source>interval spell</source>
        <translation>escribir intervalos</translation>
    </message>
    <message>
        <source>Interval Spelling</source>
        <translation>Escritura de intervalos</translation>
    </message>
    <message>
        <source>Enter the lower note</source>
        <translation>Introduzca la nota inferior</translation>
    </message>
    <message>
        <source>Enter the upper note</source>
        <translation>Introduzca la nota superior</translation>
    </message>
    <message>
        <source>%1 below %2</source>
        <translation>%1 por debajo de %2</translation>
    </message>
    <message>
        <source>%1 above %2</source>
        <translation>%1 por encima de %2</translation>
    </message>
    <message>
        <source>Write the note that makes each interval with the note given.</source>
        <translation>Escriba la nota que forma cada intervalo con la nota dada.</translation>
    </message>
</context>
<context>
    <name>Inversion</name>
    <message>
        <source>(root position)</source>
        <translation>(estado fundamental)</translation>
    </message>
    <message>
        <source>(1st inversion)</source>
        <translation>(primera inversión)</translation>
    </message>
    <message>
        <source>(2nd inversion)</source>
        <translation>(segunda inversión)</translation>
    </message>
    <message>
        <source>(3rd inversion)</source>
        <translation>(tercera inversión)</translation>
    </message>
</context>
<context>
    <name>InversionAnswers</name>
    <message>
        <source>(root position)</source>
        <translation>(estado fundamental)</translation>
    </message>
    <message>
        <source>(1st inversion)</source>
        <translation>(1.ª inversión)</translation>
    </message>
    <message>
        <source>(2nd inversion)</source>
        <translation>(2.ª inversión)</translation>
    </message>
    <message>
        <source>(3rd inversion)</source>
        <translation>(3.ª inversión)</translation>
    </message>
    <message>
        <source>(inversion)</source>
        <translation>(inversión)</translation>
    </message>
</context>
<context>
    <name>KeyAnswers</name>
    <message>
        <source>major :</source>
        <translation>mayor :</translation>
    </message>
    <message>
        <source>minor :</source>
        <translation>menor :</translation>
    </message>
</context>
<context>
    <name>KeySignatureIdentification</name>
    <message>
        <source>&amp;Key Signature Identification</source>
        <translation>Identificar la &amp;armadura</translation>
    </message>
    <message>
        <source>key signature ID</source>
        <translation>identif. armadura</translation>
    </message>
    <message>
        <source>Key Signature Identification</source>
        <translation>Identificación de armaduras</translation>
    </message>
    <message>
        <source>Key signature: no sharps or flats</source>
        <translation>Armadura: sin sostenidos ni bemoles</translation>
    </message>
    <message>
        <source>Key signature: </source>
        <translation type="vanished">Armadura: </translation>
    </message>
    <message>
        <source>Name the key of each key signature.</source>
        <translation>Nombre la tonalidad de cada armadura.</translation>
    </message>
    <message>
        <source>Key signature: 1 sharp</source>
        <translation>Armadura: 1 sostenido</translation>
    </message>
    <message>
        <source>Key signature: 1 flat</source>
        <translation>Armadura: 1 bemol</translation>
    </message>
    <message>
        <source>Key signature: %1 sharps</source>
        <translation>Armadura: %1 sostenidos</translation>
    </message>
    <message>
        <source>Key signature: %1 flats</source>
        <translation>Armadura: %1 bemoles</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Utility    </source>
        <translation>&amp;Utilidades    </translation>
    </message>
    <message>
        <source>Performance &amp;Report ....</source>
        <translation>&amp;Informe de rendimiento ....</translation>
    </message>
    <message>
        <source>&amp;Progress ...</source>
        <translation>&amp;Progreso ...</translation>
    </message>
    <message>
        <source>&amp;Class Server ...</source>
        <translation>Servidor de &amp;clase ...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Activity    </source>
        <translation>&amp;Actividad    </translation>
    </message>
    <message>
        <source>&amp;Method    </source>
        <translation>&amp;Método    </translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Práctica</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Examen</translation>
    </message>
    <message>
        <source>&amp;Options    </source>
        <translation>&amp;Opciones    </translation>
    </message>
    <message>
        <source>&amp;Key Settings ....</source>
        <translation>&amp;Tonalidades ....</translation>
    </message>
    <message>
        <source>C&amp;hord Settings ....</source>
        <translation>&amp;Acordes ....</translation>
    </message>
    <message>
        <source>In&amp;versions ....</source>
        <translation>In&amp;versiones ....</translation>
    </message>
    <message>
        <source>&amp;Interval Selection ...</source>
        <translation>&amp;Intervalos ...</translation>
    </message>
    <message>
        <source>&amp;Ear Training Chord Selection ...</source>
        <translation>Acordes de &amp;oído ...</translation>
    </message>
    <message>
        <source>&amp;Clef Selection ...</source>
        <translation>&amp;Claves ...</translation>
    </message>
    <message>
        <source>&amp;Key Signature Display ....</source>
        <translation>Mostrar la ar&amp;madura ....</translation>
    </message>
    <message>
        <source>&amp;Test Length ....</source>
        <translation>&amp;Longitud del examen ....</translation>
    </message>
    <message>
        <source>Favor &amp;Weak Spots</source>
        <translation>Insistir en los puntos &amp;débiles</translation>
    </message>
    <message>
        <source>&amp;Environment   </source>
        <translation>&amp;Entorno   </translation>
    </message>
    <message>
        <source>&amp;Tones off</source>
        <translation>Desactivar &amp;sonidos</translation>
    </message>
    <message>
        <source>&amp;Beep off</source>
        <translation>Desactivar &amp;pitido</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Auto Shutdown ....</source>
        <translation>&amp;Cierre automático ....</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Search for Help on ....</source>
        <translation>&amp;Buscar en la ayuda ....</translation>
    </message>
    <message>
        <source>Contents                  F1</source>
        <translation>Contenido                 F1</translation>
    </message>
    <message>
        <source>&amp;Theory Help</source>
        <translation>Ayuda de &amp;teoría</translation>
    </message>
    <message>
        <source>&amp;Program Help</source>
        <translation>Ayuda del &amp;programa</translation>
    </message>
    <message>
        <source>&amp;About Tonalyst ....</source>
        <translation>&amp;Acerca de Tonalyst ....</translation>
    </message>
    <message>
        <source>Chords</source>
        <translation>Acordes</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalos</translation>
    </message>
    <message>
        <source>Ear Training Chords</source>
        <translation>Acordes de oído</translation>
    </message>
    <message>
        <source>keysig</source>
        <translation>Armadura</translation>
    </message>
    <message>
        <source>&amp;MIDI Input ...</source>
        <translation>&amp;Entrada MIDI ...</translation>
    </message>
    <message>
        <source>Res&amp;pell Last Note</source>
        <translation>Cam&amp;biar la enarmonía de la última nota</translation>
    </message>
    <message>
        <source>&amp;Language ...</source>
        <translation>&amp;Seleccionar idioma ...</translation>
    </message>
</context>
<context>
    <name>NeapolitanGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation>identifique el acorde dado</translation>
    </message>
    <message>
        <source>the Flat-II (Neapolitan) chord </source>
        <translation>el acorde de sexta napolitana (bII) </translation>
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
        <translation>becuadro</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>sostenido</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>bemol</translation>
    </message>
    <message>
        <source>double sharp</source>
        <translation>doble sostenido</translation>
    </message>
    <message>
        <source>double flat</source>
        <translation>doble bemol</translation>
    </message>
    <message>
        <source>%1 minor</source>
        <translation>%1 menor</translation>
    </message>
    <message>
        <source>%1 major</source>
        <translation>%1 mayor</translation>
    </message>
</context>
<context>
    <name>NoteText</name>
    <message>
        <source>is not a note name</source>
        <translation>no es un nombre de nota</translation>
    </message>
    <message>
        <source>is below the staff</source>
        <translation>está por debajo del pentagrama</translation>
    </message>
    <message>
        <source>is above the staff</source>
        <translation>está por encima del pentagrama</translation>
    </message>
    <message>
        <source>treble clef</source>
        <translation>clave de sol</translation>
    </message>
    <message>
        <source>bass clef</source>
        <translation>clave de fa</translation>
    </message>
    <message>
        <source>key signature without sharps or flats</source>
        <translation>armadura sin sostenidos ni bemoles</translation>
    </message>
    <message>
        <source>key signature of %1 flat</source>
        <translation>armadura de %1 bemol</translation>
    </message>
    <message>
        <source>key signature of %1 flats</source>
        <translation>armadura de %1 bemoles</translation>
    </message>
    <message>
        <source>key signature of %1 sharp</source>
        <translation>armadura de %1 sostenido</translation>
    </message>
    <message>
        <source>key signature of %1 sharps</source>
        <translation>armadura de %1 sostenidos</translation>
    </message>
    <message>
        <source>no notes</source>
        <translation>ninguna nota</translation>
    </message>
    <message>
        <source>has no key of its own on the keyboard</source>
        <translation>no tiene tecla propia en el teclado</translation>
    </message>
    <message>
        <source>is outside the keyboard&apos;s range</source>
        <translation>está fuera de la extensión del teclado</translation>
    </message>
    <message>
        <source>stands where a note is already entered</source>
        <translation>está donde ya hay una nota introducida</translation>
    </message>
    <message>
        <source>is one more than the %1 note the question takes</source>
        <translation>es una más que la %1 nota que pide la pregunta</translation>
    </message>
    <message>
        <source>is one more than the %1 notes the question takes</source>
        <translation>es una más que las %1 notas que pide la pregunta</translation>
    </message>
    <message>
        <source>sounds on a key that another spelling already takes</source>
        <translation>suena en una tecla que ya ocupa otra grafía</translation>
    </message>
</context>
<context>
    <name>PaperChords</name>
    <message>
        <source>diminished triad</source>
        <translation>tríada disminuida</translation>
    </message>
    <message>
        <source>minor triad</source>
        <translation>tríada menor</translation>
    </message>
    <message>
        <source>major triad</source>
        <translation>tríada mayor</translation>
    </message>
    <message>
        <source>augmented triad</source>
        <translation>tríada aumentada</translation>
    </message>
    <message>
        <source>triad</source>
        <translation>tríada</translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation>acorde de séptima disminuida</translation>
    </message>
    <message>
        <source>half-diminished seventh</source>
        <translation>acorde de séptima semidisminuida</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>acorde de séptima menor</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>acorde de séptima mayor</translation>
    </message>
    <message>
        <source>dominant seventh</source>
        <translation>acorde de séptima de dominante</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation>acorde de séptima</translation>
    </message>
</context>
<context>
    <name>PaperText</name>
    <message>
        <source>In the key of %1</source>
        <translation>En %1</translation>
    </message>
    <message>
        <source>(played: %1)</source>
        <translation>(tocado: %1)</translation>
    </message>
    <message>
        <source>perfect unison</source>
        <translation>unísono justo</translation>
    </message>
    <message>
        <source>minor second</source>
        <translation>segunda menor</translation>
    </message>
    <message>
        <source>major second</source>
        <translation>segunda mayor</translation>
    </message>
    <message>
        <source>augmented second</source>
        <translation>segunda aumentada</translation>
    </message>
    <message>
        <source>diminished third</source>
        <translation>tercera disminuida</translation>
    </message>
    <message>
        <source>minor third</source>
        <translation>tercera menor</translation>
    </message>
    <message>
        <source>major third</source>
        <translation>tercera mayor</translation>
    </message>
    <message>
        <source>diminished fourth</source>
        <translation>cuarta disminuida</translation>
    </message>
    <message>
        <source>perfect fourth</source>
        <translation>cuarta justa</translation>
    </message>
    <message>
        <source>augmented fourth</source>
        <translation>cuarta aumentada</translation>
    </message>
    <message>
        <source>diminished fifth</source>
        <translation>quinta disminuida</translation>
    </message>
    <message>
        <source>perfect fifth</source>
        <translation>quinta justa</translation>
    </message>
    <message>
        <source>augmented fifth</source>
        <translation>quinta aumentada</translation>
    </message>
    <message>
        <source>minor sixth</source>
        <translation>sexta menor</translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation>sexta mayor</translation>
    </message>
    <message>
        <source>augmented sixth</source>
        <translation>sexta aumentada</translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation>séptima disminuida</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>séptima menor</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>séptima mayor</translation>
    </message>
    <message>
        <source>perfect octave</source>
        <translation>octava justa</translation>
    </message>
</context>
<context>
    <name>PdfWorksheetPrinter</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>PerformanceDataFile</name>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the records of an interrupted run are still waiting to be added to %1 (%2)</source>
        <translation>los registros de una sesión interrumpida aún esperan ser añadidos a %1 (%2)</translation>
    </message>
    <message>
        <source>%1 vanished</source>
        <translation>%1 ha desaparecido</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>the seal of %1 is missing</source>
        <translation>falta el sello de %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>no folder could take the records</source>
        <translation>ninguna carpeta pudo recibir los registros</translation>
    </message>
</context>
<context>
    <name>PgConnection</name>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>stopped by Tonalyst</source>
        <translation>detenido por Tonalyst</translation>
    </message>
    <message>
        <source>no answer from the server within %1 seconds</source>
        <translation>sin respuesta del servidor en %1 segundos</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>sin conexión</translation>
    </message>
    <message>
        <source>local</source>
        <translation>local</translation>
    </message>
    <message>
        <source>the class server cannot be reached (it may be switched off, or the network is down)</source>
        <translation>no se puede llegar al servidor de clase (puede estar apagado, o la red no funciona)</translation>
    </message>
    <message>
        <source>the class server did not answer in time</source>
        <translation>el servidor de clase no respondió a tiempo</translation>
    </message>
    <message>
        <source>the class server did not accept your login (ask your teacher to check your password)</source>
        <translation>el servidor de clase no aceptó su acceso (pida a su profesor que compruebe su contraseña)</translation>
    </message>
    <message>
        <source>the class server refused the answers (ask your teacher to check your class login)</source>
        <translation>el servidor de clase rechazó las respuestas (pida a su profesor que compruebe su acceso de clase)</translation>
    </message>
    <message>
        <source>Tonalyst was closed while sending</source>
        <translation>Tonalyst se cerró durante el envío</translation>
    </message>
    <message>
        <source>the class server reported a problem</source>
        <translation>el servidor de clase informó de un problema</translation>
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
        <translation>Semana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Success rate</source>
        <translation>Tasa de aciertos</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Segundos por pregunta</translation>
    </message>
    <message>
        <source>Practice success rate</source>
        <translation>Aciertos en práctica</translation>
    </message>
    <message>
        <source>Practice time per question</source>
        <translation>Tiempo por pregunta en práctica</translation>
    </message>
    <message>
        <source>Test success rate</source>
        <translation>Aciertos en examen</translation>
    </message>
    <message>
        <source>Test time per question</source>
        <translation>Tiempo por pregunta en examen</translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation>Gráfico %1</translation>
    </message>
    <message>
        <source>Success rate and time per question over the period, practice and test apart. The table below the chart gives every figure.</source>
        <translation>Tasa de aciertos y tiempo por pregunta en el periodo, práctica y examen por separado. La tabla bajo el gráfico da cada cifra.</translation>
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
        <translation>Uso: tonalyst progress --user ID [--data-dir DIR] [--from DATE --to DATE | --last N] --json

Escribe las cifras de Utilidades &gt; Progreso de un periodo como un objeto JSON: por actividad
y día (semana, más allá de 31 días) las preguntas, la tasa de aciertos y los segundos por
pregunta de práctica y examen, los puntos débiles, las confusiones y los tipos de error de
escritura. Los días son días locales, como en la ventana.

  --user ID        de quién son las respuestas
  --data-dir DIR   la carpeta del historial (por omisión: la carpeta de datos del usuario)
  --last N         los últimos N días hasta hoy (por omisión: 30)
  --from DATE      primer día, como 2026-05-06 o 6 May 26 (por omisión con --to: la primera
                   respuesta)
  --to DATE        último día (por omisión: hoy)
  --json           las cifras en JSON (la única forma)
  --help           este texto
</translation>
    </message>
    <message>
        <source>%1 needs a date such as 2026-05-06 or 6 May 26, not &quot;%2&quot;</source>
        <translation>%1 necesita una fecha como 2026-05-06 o 6 May 26, no «%2»</translation>
    </message>
    <message>
        <source>--from is after --to</source>
        <translation>--from es posterior a --to</translation>
    </message>
    <message>
        <source>tonalyst progress: there is no answer history %1
</source>
        <translation>tonalyst progress: no hay historial de respuestas %1
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
        <translation>tonalyst progress: no se pudieron escribir las cifras: %1
</translation>
    </message>
</context>
<context>
    <name>ProgressDesktop</name>
    <message>
        <source>The answer history %1 cannot be read.</source>
        <translation>No se puede leer el historial de respuestas %1.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>ProgressStatistics</name>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>%1 answered as %2</source>
        <translation>%1 respondido como %2</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 de %3</translation>
    </message>
    <message>
        <source>%1 heard as %2</source>
        <translation>%1 oído como %2</translation>
    </message>
</context>
<context>
    <name>Progressions</name>
    <message>
        <source>Pr&amp;ogressions</source>
        <translation>&amp;Progresiones</translation>
    </message>
    <message>
        <source>progressions</source>
        <translation>progresiones</translation>
    </message>
    <message>
        <source>Progressions</source>
        <translation>Progresiones</translation>
    </message>
    <message>
        <source>Pro&amp;gression Options ...</source>
        <translation>&amp;Progresiones ...</translation>
    </message>
    <message>
        <source>Ear Training : Progressions</source>
        <translation>Oído : progresiones</translation>
    </message>
    <message>
        <source>Listen to the cadence, then name every chord of the progression by its Roman numeral.</source>
        <translation>Escuche la cadencia y nombre después cada acorde de la progresión por su número romano.</translation>
    </message>
    <message>
        <source>--sevenths, --inverted, --length N or MIN-MAX (chords, 3 to 6, default 3-4)</source>
        <translation>--sevenths, --inverted, --length N o MIN-MAX (acordes, de 3 a 6, por omisión 3-4)</translation>
    </message>
</context>
<context>
    <name>QuestionCycle</name>
    <message>
        <source>That is not correct. <byte value="xd"/>
<byte value="xd"/>
Do you want to try again? <byte value="xd"/>
(Choose No to see answer)</source>
        <translation>No es correcto. <byte value="xd"/>
<byte value="xd"/>
¿Quiere intentarlo de nuevo? <byte value="xd"/>
(Elija No para ver la respuesta)</translation>
    </message>
    <message>
        <source>Wrong: hit ok for next question</source>
        <translation>Mal: pulse OK para la siguiente pregunta</translation>
    </message>
    <message>
        <source>Good work: hit OK for next question</source>
        <translation>Bien hecho: pulse OK para la siguiente pregunta</translation>
    </message>
    <message>
        <source>Test Complete.  Hit OK to continue</source>
        <translation>Examen terminado.  Pulse OK para continuar</translation>
    </message>
    <message>
        <source>Test complete: Do you wish to review any errors ?</source>
        <translation>Examen terminado: ¿quiere revisar los errores?</translation>
    </message>
    <message>
        <source>The right answer is :</source>
        <translation>La respuesta correcta es :</translation>
    </message>
    <message>
        <source>Question # %1</source>
        <translation>Pregunta n.º %1</translation>
    </message>
    <message>
        <source>No question can be made with the chosen settings.</source>
        <translation>No se puede crear ninguna pregunta con los ajustes elegidos.</translation>
    </message>
    <message>
        <source>enter  %1</source>
        <translation>introduzca  %1</translation>
    </message>
    <message>
        <source>Your answer is ...</source>
        <translation>Su respuesta es ...</translation>
    </message>
    <message>
        <source>No errors to check</source>
        <translation>No hay errores que revisar</translation>
    </message>
    <message>
        <source>Make corrections and press OK</source>
        <translation>Corrija y pulse OK</translation>
    </message>
    <message>
        <source>Still wrong: the right answer is :</source>
        <translation>Sigue mal: la respuesta correcta es :</translation>
    </message>
    <message>
        <source>You got it this time: hit ok to review next question</source>
        <translation>Esta vez sí: pulse OK para revisar el siguiente</translation>
    </message>
    <message>
        <source>Your answer was ...</source>
        <translation>Su respuesta fue ...</translation>
    </message>
    <message>
        <source>Question # %1 was...</source>
        <translation>La pregunta n.º %1 era...</translation>
    </message>
    <message>
        <source>No More errors to check</source>
        <translation>No hay más errores que revisar</translation>
    </message>
</context>
<context>
    <name>QuestionMaker</name>
    <message>
        <source>identify the given MINOR key</source>
        <translation>identificar la tonalidad MENOR dada</translation>
    </message>
    <message>
        <source>identify the given MAJOR key</source>
        <translation>identificar la tonalidad MAYOR dada</translation>
    </message>
</context>
<context>
    <name>RecordMessages</name>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.</source>
        <translation>Se ha detectado una modificación no autorizada de Varen.dat.  El registro de datos y los informes se han desactivado.  Debe renombrar o borrar Varen.dat para recuperar estas funciones.</translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They could not be saved anywhere else either and are lost.</source>
        <translation>Los registros de rendimiento de esta sesión no se pudieron escribir en %1 (%2).  Tampoco se pudieron guardar en ningún otro sitio y se han perdido.</translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They were saved in %3 instead.</source>
        <translation>Los registros de rendimiento de esta sesión no se pudieron escribir en %1 (%2).  Se guardaron en %3 en su lugar.</translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They are kept safe and will be added to it when Tonalyst next starts.</source>
        <translation>Los registros de rendimiento de esta sesión no se pudieron escribir en %1 (%2).  Se guardan a salvo y se añadirán la próxima vez que se inicie Tonalyst.</translation>
    </message>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.  The records of this run could not be saved elsewhere either and are lost.</source>
        <translation>Se ha detectado una modificación no autorizada de Varen.dat.  El registro de datos y los informes se han desactivado.  Debe renombrar o borrar Varen.dat para recuperar estas funciones.  Los registros de esta sesión tampoco se pudieron guardar en otro sitio y se han perdido.</translation>
    </message>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.  The records of this run were saved in %1.</source>
        <translation>Se ha detectado una modificación no autorizada de Varen.dat.  El registro de datos y los informes se han desactivado.  Debe renombrar o borrar Varen.dat para recuperar estas funciones.  Los registros de esta sesión se guardaron en %1.</translation>
    </message>
    <message>
        <source>The records of a run that was cut short could not be added to %1 because the file has been changed since.  They were saved in %2.</source>
        <translation>Los registros de una sesión interrumpida no se pudieron añadir a %1 porque el archivo ha cambiado desde entonces.  Se guardaron en %2.</translation>
    </message>
    <message>
        <source>Tonalyst cannot keep performance records in %1 (%2).  The records of your runs will be saved elsewhere where possible.</source>
        <translation>Tonalyst no puede guardar registros de rendimiento en %1 (%2).  Los registros de sus sesiones se guardarán en otro sitio cuando sea posible.</translation>
    </message>
</context>
<context>
    <name>RecordParser</name>
    <message>
        <source>The line has more than nine fields.</source>
        <translation>La línea tiene más de nueve campos.</translation>
    </message>
    <message>
        <source>A quoted text is not closed.</source>
        <translation>Un texto entre comillas no está cerrado.</translation>
    </message>
    <message>
        <source>A date is not closed.</source>
        <translation>Una fecha no está cerrada.</translation>
    </message>
    <message>
        <source>Field %1 goes on after its closing quote.</source>
        <translation>El campo %1 sigue después de su comilla de cierre.</translation>
    </message>
    <message>
        <source>Field %1 goes on after its closing number sign.</source>
        <translation>El campo %1 sigue después de su almohadilla de cierre.</translation>
    </message>
    <message>
        <source>Field %1 holds a stray quote or number sign.</source>
        <translation>El campo %1 contiene una comilla o almohadilla suelta.</translation>
    </message>
    <message>
        <source>a text in double quotes</source>
        <translation>un texto entre comillas dobles</translation>
    </message>
    <message>
        <source>a date such as #1998-05-12#</source>
        <translation>una fecha como #1998-05-12#</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>La línea tiene más de %1 bytes.</translation>
    </message>
    <message>
        <source>The line is empty.</source>
        <translation>La línea está vacía.</translation>
    </message>
    <message>
        <source>The line holds control characters or binary data.</source>
        <translation>La línea contiene caracteres de control o datos binarios.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>La línea no es texto UTF-8.</translation>
    </message>
    <message>
        <source>The line has %1 fields instead of nine.</source>
        <translation>La línea tiene %1 campos en vez de nueve.</translation>
    </message>
    <message>
        <source>Field %1 should be %2.</source>
        <translation>El campo %1 debería ser %2.</translation>
    </message>
    <message>
        <source>Field 2 is not a real date such as #1998-05-12#.</source>
        <translation>El campo 2 no es una fecha real como #1998-05-12#.</translation>
    </message>
    <message>
        <source>Field %1 should be a whole number.</source>
        <translation>El campo %1 debería ser un número entero.</translation>
    </message>
</context>
<context>
    <name>RecordsLock</name>
    <message>
        <source>cannot create the lock file %1</source>
        <translation>no se puede crear el archivo de bloqueo %1</translation>
    </message>
    <message>
        <source>another Tonalyst keeps the data file locked</source>
        <translation>otro Tonalyst mantiene bloqueado el archivo de datos</translation>
    </message>
</context>
<context>
    <name>ReportBytes</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file was cut short while it was read</source>
        <translation>el archivo se acortó mientras se leía</translation>
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
        <translation>Uso: tonalyst report --user ID [opciones]

Elabora un informe de rendimiento a partir de un archivo de datos, como Utilidades &gt; Informe de rendimiento.

Opciones:
  --user ID         el usuario del informe (obligatorio)
  --data FILE       el archivo de datos (por omisión: varen.dat en la carpeta de datos)
  --data-dir DIR    la carpeta de datos (por omisión: ~/.local/share/tonalyst)
  --last N          los últimos N días hasta hoy, de 1 a 31 (por omisión: 7)
  --from DATE       primer día, como 1998-05-06 o 6 May 98 (con --to: el último día,
                    hoy por omisión)
  --to DATE
  --type TYPE       test, practice, both o composite (por omisión: composite)
  --pdf FILE        imprimir el informe en un archivo PDF en vez de mostrarlo
  --help            mostrar este texto
</translation>
    </message>
    <message>
        <source>--type must be one of test, practice, both or composite</source>
        <translation>--type debe ser test, practice, both o composite</translation>
    </message>
</context>
<context>
    <name>ReportCompiler</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>no file is open</source>
        <translation>no hay ningún archivo abierto</translation>
    </message>
    <message>
        <source>line %1: The line is longer than %2 bytes.</source>
        <translation>línea %1: La línea tiene más de %2 bytes.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
</context>
<context>
    <name>ReportDesktop</name>
    <message>
        <source>Choose File</source>
        <translation>Elegir archivo</translation>
    </message>
    <message>
        <source>data files (*.dat);;All files (*)</source>
        <translation>archivos de datos (*.dat);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Performance Report as PDF</source>
        <translation>Guardar el informe de rendimiento como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>    spelling attempts</source>
        <translation>    intentos de escritura</translation>
    </message>
    <message>
        <source>   spelling</source>
        <translation>   escritura</translation>
    </message>
    <message>
        <source>    identification attempts</source>
        <translation>    intentos de identif.</translation>
    </message>
    <message>
        <source>   identify</source>
        <translation>   identif.</translation>
    </message>
    <message>
        <source>    ear train attempts</source>
        <translation>    intentos de oído</translation>
    </message>
    <message>
        <source>   ear train</source>
        <translation>   oído</translation>
    </message>
    <message>
        <source>    total attempts</source>
        <translation>    total de intentos</translation>
    </message>
    <message>
        <source>   total</source>
        <translation>   total</translation>
    </message>
    <message>
        <source>    with inversions on</source>
        <translation>    con inversiones</translation>
    </message>
    <message>
        <source>   inversion on</source>
        <translation>   con invers.</translation>
    </message>
    <message>
        <source>    # of successes</source>
        <translation>    n.º de aciertos</translation>
    </message>
    <message>
        <source>   successes</source>
        <translation>   aciertos</translation>
    </message>
    <message>
        <source>    success rate</source>
        <translation>    tasa de aciertos</translation>
    </message>
    <message>
        <source>   success %</source>
        <translation>   aciertos %</translation>
    </message>
    <message>
        <source>    avg time/ques (sec)</source>
        <translation>    t. medio/preg. (s)</translation>
    </message>
    <message>
        <source>   avg time/q</source>
        <translation>   t. medio/p.</translation>
    </message>
    <message>
        <source>    avg # sharp/flat</source>
        <translation>    media de alteraciones</translation>
    </message>
    <message>
        <source>   avg shrp/flt</source>
        <translation>   media alt.</translation>
    </message>
    <message>
        <source>    SCORE</source>
        <translation>    PUNTOS</translation>
    </message>
    <message>
        <source>   SCORE</source>
        <translation>   PUNTOS</translation>
    </message>
    <message>
        <source>Triad</source>
        <translation>Tríada</translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation>Séptima</translation>
    </message>
    <message>
        <source>V7 of</source>
        <translation>V7 de</translation>
    </message>
    <message>
        <source>vii7 of</source>
        <translation>vii7 de</translation>
    </message>
    <message>
        <source>Aug-6th</source>
        <translation>6ª aum.</translation>
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
        <translation>Armad.</translation>
    </message>
    <message>
        <source>OVERALL</source>
        <translation>GLOBAL</translation>
    </message>
    <message>
        <source>    Performance Report for period :%1 to %2</source>
        <translation>    Informe de rendimiento del periodo :%1 al %2</translation>
    </message>
    <message>
        <source>User ID : %1</source>
        <translation>ID de usuario : %1</translation>
    </message>
    <message>
        <source>    WARNING: THE SOURCE DATA FILE HAS NO SECURITY APPROVAL</source>
        <translation>    AVISO: EL ARCHIVO DE DATOS DE ORIGEN NO TIENE APROBACIÓN DE SEGURIDAD</translation>
    </message>
    <message>
        <source>    Report Type : %1</source>
        <translation>    Tipo de informe : %1</translation>
    </message>
    <message>
        <source>    Data Source File : %1</source>
        <translation>    Archivo de datos de origen : %1</translation>
    </message>
    <message>
        <source>    Method reported on : %1</source>
        <translation>    Método del informe : %1</translation>
    </message>
    <message>
        <source>test</source>
        <translation>examen</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>práctica</translation>
    </message>
    <message>
        <source>both</source>
        <translation>ambos</translation>
    </message>
    <message>
        <source>composite</source>
        <translation>combinado</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>There is a problem with the chosen file.  Be sure to choose a file which was created by Tonalyst<byte value="xd"/>
<byte value="xd"/>
(Tonalyst automatically creates a file named Varen.dat in the Tonalyst application directory).</source>
        <translation>Hay un problema con el archivo elegido.  Asegúrese de elegir un archivo creado por Tonalyst<byte value="xd"/>
<byte value="xd"/>
(Tonalyst crea automáticamente un archivo llamado Varen.dat en el directorio de la aplicación Tonalyst).</translation>
    </message>
    <message>
        <source>Invalid Start Date</source>
        <translation>Fecha de inicio no válida</translation>
    </message>
    <message>
        <source>Invalid End Date</source>
        <translation>Fecha de fin no válida</translation>
    </message>
    <message>
        <source>Start Date must preceed End Date</source>
        <translation>La fecha de inicio debe preceder a la fecha de fin</translation>
    </message>
    <message>
        <source>%1 now contains  %2 records.  This may cause excessive i/o time during report compilation.  <byte value="xd"/>
<byte value="xd"/>
You should soon archive (ie. rename) varen.dat.  The program will then automatically start a new data file called varen.dat.</source>
        <translation>%1 contiene ahora  %2 registros.  Esto puede alargar mucho la elaboración de informes.  <byte value="xd"/>
<byte value="xd"/>
Debería archivar (es decir, renombrar) pronto varen.dat.  El programa empezará entonces automáticamente un nuevo archivo de datos llamado varen.dat.</translation>
    </message>
    <message>
        <source>You must set page orientation to &quot;Landscape&quot;<byte value="xd"/>
<byte value="xd"/>
See Windows printer settings</source>
        <translation>Debe poner la orientación de la página en «Horizontal»<byte value="xd"/>
<byte value="xd"/>
Véase la configuración de impresora de Windows</translation>
    </message>
    <message>
        <source>Error occurred during report generation.  Please consult HELP</source>
        <translation>Se produjo un error al generar el informe.  Consulte la AYUDA</translation>
    </message>
    <message>
        <source>     Now creating report.  </source>
        <translation>     Creando el informe.  </translation>
    </message>
    <message>
        <source>     Please wait ....</source>
        <translation>     Espere, por favor ....</translation>
    </message>
    <message>
        <source>     Now printing report.  </source>
        <translation>     Imprimiendo el informe.  </translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>Performance Report</source>
        <translation>Informe de rendimiento</translation>
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
        <translation>&amp;Grados de la escala</translation>
    </message>
    <message>
        <source>scale degrees</source>
        <translation>grados de la escala</translation>
    </message>
    <message>
        <source>Scale Degrees</source>
        <translation>Grados de la escala</translation>
    </message>
    <message>
        <source>Scale &amp;Degree Options ...</source>
        <translation>&amp;Grados de la escala ...</translation>
    </message>
    <message>
        <source>Ear Training : Scale Degrees</source>
        <translation>Oído : grados de la escala</translation>
    </message>
    <message>
        <source>Listen to the cadence, then name the scale degree of each note.</source>
        <translation>Escuche la cadencia y nombre después el grado de cada nota.</translation>
    </message>
    <message>
        <source>--chromatic (chromatic degrees too), --group N (1 to 4 notes a question, default 1), --solfege (answer key in movable do), --la-minor (with --solfege: la-based minor)</source>
        <translation>--chromatic (también grados cromáticos), --group N (de 1 a 4 notas por pregunta, por omisión 1), --solfege (soluciones en solfeo relativo), --la-minor (con --solfege: menor sobre la)</translation>
    </message>
</context>
<context>
    <name>SeventhGenerator</name>
    <message>
        <source>identify the given seventh chord</source>
        <translation>identifique el acorde de séptima dado</translation>
    </message>
    <message>
        <source>the %1 chord </source>
        <translation>el acorde de %1 </translation>
    </message>
</context>
<context>
    <name>SpellingErrors</name>
    <message>
        <source>Right pitch, wrong spelling</source>
        <translation>Altura correcta, grafía incorrecta</translation>
    </message>
    <message>
        <source>Wrong accidental on the right letter</source>
        <translation>Alteración incorrecta en la letra correcta</translation>
    </message>
    <message>
        <source>Wrong chord member</source>
        <translation>Nota del acorde incorrecta</translation>
    </message>
    <message>
        <source>Wrong note</source>
        <translation>Nota incorrecta</translation>
    </message>
    <message>
        <source>Missing note</source>
        <translation>Falta una nota</translation>
    </message>
    <message>
        <source>Extra note</source>
        <translation>Nota de más</translation>
    </message>
    <message>
        <source>Right note, wrong octave</source>
        <translation>Nota correcta, octava incorrecta</translation>
    </message>
    <message>
        <source>Answer not readable as notes</source>
        <translation>La respuesta no se puede leer como notas</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 en vez de %2</translation>
    </message>
    <message>
        <source>%1 in another octave</source>
        <translation>%1 en otra octava</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1<byte value="xd"/>
Tonalyst cannot keep your performance records there and will close. Choose another folder with --data-dir.</source>
        <translation>%1<byte value="xd"/>
Tonalyst no puede guardar ahí sus registros de rendimiento y se cerrará. Elija otra carpeta con --data-dir.</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Time per Ques</source>
        <translation>Tiempo por preg.</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation>Tasa de aciertos</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUNTOS</translation>
    </message>
</context>
<context>
    <name>TriadGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation>identifique el acorde dado</translation>
    </message>
    <message>
        <source>the %1 chord </source>
        <translation>el acorde de %1 </translation>
    </message>
</context>
<context>
    <name>UserIdCheck</name>
    <message>
        <source>You must enter a user id</source>
        <translation>Debe introducir un ID de usuario</translation>
    </message>
    <message>
        <source>A user id cannot contain quotation marks, commas or control characters. Please use letters and digits.</source>
        <translation>Un ID de usuario no puede contener comillas, comas ni caracteres de control. Use letras y dígitos.</translation>
    </message>
</context>
<context>
    <name>WeakSpotHistory</name>
    <message>
        <source>there is no answer history at %1, so the weak spots are not known</source>
        <translation>no hay historial de respuestas en %1, así que no se conocen los puntos débiles</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>no writable question found in the key of %1</source>
        <translation>no se encontró ninguna pregunta escribible en la tonalidad de %1</translation>
    </message>
    <message>
        <source>Tonalyst worksheet: %1 (seed %2)</source>
        <translation>Hoja de ejercicios de Tonalyst: %1 (semilla %2)</translation>
    </message>
    <message>
        <source>Tonalyst worksheet: %1</source>
        <translation>Hoja de ejercicios de Tonalyst: %1</translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>this build cannot read the answer history</source>
        <translation>esta compilación no puede leer el historial de respuestas</translation>
    </message>
    <message>
        <source>this build cannot write PDF files</source>
        <translation>esta compilación no puede escribir archivos PDF</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>this build cannot draw questions heard in a key</source>
        <translation>esta versión no puede generar preguntas oídas en una tonalidad</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>En %1: %2</translation>
    </message>
</context>
<context>
    <name>WorksheetOptions</name>
    <message>
        <source>You must select at least one chord</source>
        <translation>Debe elegir al menos un acorde</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied dominant list.</source>
        <translation>Solo se aplica a VII en menor. Debe elegir al menos otra opción de la lista de dominantes secundarias.</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied leading tone  list.</source>
        <translation>Solo se aplica a VII en menor. Debe elegir al menos otra opción de la lista de sensibles secundarias.</translation>
    </message>
    <message>
        <source>--intervals must be common or advanced</source>
        <translation>--intervals debe ser common o advanced</translation>
    </message>
    <message>
        <source>--interval-notes must be keys or all</source>
        <translation>--interval-notes debe ser keys o all</translation>
    </message>
    <message>
        <source>--ear-chords must be triads, sevenths or both</source>
        <translation>--ear-chords debe ser triads, sevenths o both</translation>
    </message>
    <message>
        <source>Option not allowed for ear training</source>
        <translation>Opción no permitida para el entrenamiento auditivo</translation>
    </message>
    <message>
        <source>--intervals advanced precludes --interval-notes all</source>
        <translation>--intervals advanced excluye --interval-notes all</translation>
    </message>
    <message>
        <source>unknown key box &apos;%1&apos; in --keys</source>
        <translation>casilla de tonalidad desconocida &apos;%1&apos; en --keys</translation>
    </message>
    <message>
        <source>--mode must be major, minor or both</source>
        <translation>--mode debe ser major, minor o both</translation>
    </message>
    <message>
        <source>You must select at least one key</source>
        <translation>Debe elegir al menos una tonalidad</translation>
    </message>
    <message>
        <source>unknown chord box &apos;%1&apos; in --chords</source>
        <translation>casilla de acorde desconocida &apos;%1&apos; en --chords</translation>
    </message>
    <message>
        <source>--mixture takes triads, sevenths or both, comma-separated</source>
        <translation>--mixture admite triads, sevenths o ambos, separados por comas</translation>
    </message>
    <message>
        <source>--count must be a whole number from 1 to 100000</source>
        <translation>--count debe ser un número entero de 1 a 100000</translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0 to 4294967295</source>
        <translation>--seed debe ser un número entero de 0 a 4294967295</translation>
    </message>
    <message>
        <source>--inversions must be off, basic or figured</source>
        <translation>--inversions debe ser off, basic o figured</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter</source>
        <translation>--paper debe ser a4 o letter</translation>
    </message>
    <message>
        <source>--user needs a user ID</source>
        <translation>--user necesita un ID de usuario</translation>
    </message>
    <message>
        <source>--data-dir needs a folder</source>
        <translation>--data-dir necesita una carpeta</translation>
    </message>
    <message>
        <source>--clef must be treble, bass or random</source>
        <translation>--clef debe ser treble, bass o random</translation>
    </message>
    <message>
        <source>--key-display must be written, symbolic or both</source>
        <translation>--key-display debe ser written, symbolic o both</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>--paper needs --pdf</source>
        <translation>--paper necesita --pdf</translation>
    </message>
    <message>
        <source>--pdf and --json cannot be combined</source>
        <translation>--pdf y --json no se pueden combinar</translation>
    </message>
    <message>
        <source>--favor-weak-spots needs --user</source>
        <translation>--favor-weak-spots necesita --user</translation>
    </message>
    <message>
        <source>--user and --data-dir go with --favor-weak-spots</source>
        <translation>--user y --data-dir van con --favor-weak-spots</translation>
    </message>
    <message>
        <source>%1 does not go with --activity %2</source>
        <translation>%1 no va con --activity %2</translation>
    </message>
    <message>
        <source>--la-minor goes with --solfege</source>
        <translation>--la-minor va con --solfege</translation>
    </message>
    <message>
        <source>--tempo must be a whole number from 40 to 160</source>
        <translation>--tempo debe ser un número entero de 40 a 160</translation>
    </message>
    <message>
        <source>--accidentals must be a whole number from 0 to 7</source>
        <translation>--accidentals debe ser un número entero de 0 a 7</translation>
    </message>
    <message>
        <source>--group must be a whole number from 1 to 4</source>
        <translation>--group debe ser un número entero de 1 a 4</translation>
    </message>
    <message>
        <source>--length must be a number of chords from 3 to 6, or two such as 3-5</source>
        <translation>--length debe ser un número de acordes de 3 a 6, o dos como 3-5</translation>
    </message>
    <message>
        <source>--midi needs a folder</source>
        <translation>--midi necesita una carpeta</translation>
    </message>
    <message>
        <source>--midi and --json cannot be combined</source>
        <translation>--midi y --json no se pueden combinar</translation>
    </message>
    <message>
        <source>--activity must be %1 or %2</source>
        <translation>--activity debe ser %1 o %2</translation>
    </message>
</context>
<context>
    <name>WorksheetUsage</name>
    <message>
        <source>what to ask (default %1): %2; heard in a key: %3 (see below)</source>
        <translation>qué se pregunta (por omisión %1): %2; oído en una tonalidad: %3 (ver abajo)</translation>
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
        <translation>Uso: tonalyst worksheet [opciones]

Imprime una hoja de preguntas de ejercicio con las soluciones al final.

%1
  --count N          número de preguntas, de 1 a 100000 (por omisión 10)
  --seed S           la misma semilla da las mismas preguntas (por omisión: una nueva)
  --keys LIST        casillas de tonalidad de las que tomar, separadas por comas: un par como
                     C/a, E-flat/c, F-sharp/d-sharp, o cualquier tonalidad de un par
                     (B-flat, g); o all. Por omisión: las de los ajustes de tonalidad.
  --mode major|minor|both   qué tonalidades de las casillas se preguntan (por omisión both)
  --chords LIST      casillas de acorde, separadas por comas, cada una grupo:índice o un grupo entero:
                       triad:0..6     I, ii, iii, IV, V, vi, vii-dim
                       seventh:0..5   ii7, iii7, IV-maj7, V7, vi7, vii-half-dim7
                       vof:0..6       V7 de Flat-II, ii, iii, IV, V, vi, VII (solo menor)
                       viiof:0..5     vii-dim7 de ii, iii, IV, V, vi, VII (solo menor)
                       aug6:0..2      italiana, francesa, alemana
                       flat2          la sexta napolitana
                     p. ej. triad:0,triad:4,seventh:3,vof:4,aug6:2,flat2; o all.
                     Por omisión: las siete tríadas.
  --mixture LIST     triads, sevenths o triads,sevenths: intercambio modal activado
  --inversions off|basic|figured   inversiones al azar y su notación (por omisión off)
  --intervals common|advanced   qué intervalos se preguntan (por omisión common); el
                     entrenamiento auditivo solo pregunta intervalos comunes
  --interval-notes keys|all   notas inferiores de las tonalidades mayores elegidas, o cualquier
                     nota de C a A con bemol, becuadro o sostenido (por omisión keys);
                     all excluye los intervalos avanzados
  --ear-chords triads|sevenths|both   acordes del entrenamiento auditivo (por omisión triads)
  --json             un objeto JSON por pregunta y línea en vez de la hoja
  --pdf FILE         escribir la hoja como PDF para imprimir: cada pregunta con su
                     pentagrama, varias por página, las soluciones en la última página
  --paper a4|letter  el tamaño de papel del PDF (por omisión a4)
  --clef treble|bass|random   la clave de los pentagramas del PDF (por omisión random)
  --key-display written|symbolic|both   cómo muestran la tonalidad las preguntas de
                     identificación del PDF: en palabras, como armadura en el pentagrama,
                     o ambas (por omisión written)
  --favor-weak-spots --user ID [--data-dir DIR]   tomar más de lo que el alumno ID ha
                     fallado últimamente, como Insistir en los puntos débiles en la práctica,
                     según el historial de respuestas en DIR (por omisión: la carpeta de
                     datos del usuario); siempre entre las tonalidades y acordes elegidos
  --help             este texto

Preguntas oídas en una tonalidad (una cadencia establece la tonalidad y luego suenan las notas o acordes):
  --mode major|minor|both   el modo de las tonalidades (por omisión major)
  --accidentals N    tonalidades con como máximo N sostenidos o bemoles, de 0 a 7 (por
                     omisión 2, o cualquier número cuando --keys nombra las tonalidades)
  --tempo N          negras por minuto, de 40 a 160 (por omisión 80): los acordes duran
                     una blanca, las notas sueltas una negra
  --midi DIR         escribir cada pregunta como archivo MIDI, DIR/question-01.mid y
                     siguientes (la cadencia, un tiempo de silencio, la pregunta), y las
                     soluciones en DIR/answers.txt, en vez de la hoja; DIR se crea si falta
%2
Las opciones de las otras actividades (--chords, --inversions, --pdf, ...) se rechazan con
estas, y las de estas con las otras.

Las casillas de tonalidad y de acorde y las opciones de intervalo se comprueban como en
los diálogos de ajustes; una selección rechazada, como cualquier opción errónea, termina
con el estado de salida 2.

Una línea --json de una pregunta oída en una tonalidad lleva &quot;activity&quot;, &quot;key&quot; (&quot;D major&quot;),
&quot;mode&quot;, &quot;cadence&quot; y &quot;played&quot; (cada acorde una lista de notas como &quot;F#4&quot;, la más grave
primero) y &quot;answer&quot; (los nombres en orden: &quot;3&quot;, &quot;♭6&quot;, &quot;V65/V&quot;, &quot;half&quot;).

Las líneas de intervalos y de oído de --json llevan también &quot;interval&quot; (sus rótulos
&quot;name&quot; y &quot;quality&quot;, o null para los acordes) y &quot;direction&quot; (&quot;above&quot;: se da la nota 1
y las notas suenan hacia arriba; &quot;below&quot;: se da la nota 2 y suenan hacia abajo).
</translation>
    </message>
</context>
<context>
    <name>tonalyst::AboutDialog</name>
    <message>
        <source>About Tonalyst ...</source>
        <translation>Acerca de Tonalyst ...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>your complete music theory fitness program</source>
        <translation>su programa completo de entrenamiento en teoría musical</translation>
    </message>
    <message>
        <source>Drills in key signatures, intervals and chords, written and by ear, with practice and test runs and performance reports.</source>
        <translation>Ejercicios de armaduras, intervalos y acordes, por escrito y de oído, con sesiones de práctica y de examen e informes de rendimiento.</translation>
    </message>
    <message>
        <source>Tones are played by a software synthesizer from a General MIDI soundfont installed on this computer.</source>
        <translation>Los sonidos los toca un sintetizador por software con un banco de sonidos General MIDI instalado en este ordenador.</translation>
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
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Acorde</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonalidad</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Semana del</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Practice
questions</source>
        <translation>Preguntas
práctica</translation>
    </message>
    <message>
        <source>Practice
success</source>
        <translation>Aciertos
práctica</translation>
    </message>
    <message>
        <source>Practice time
per question</source>
        <translation>Tiempo/pregunta
práctica</translation>
    </message>
    <message>
        <source>Test
questions</source>
        <translation>Preguntas
examen</translation>
    </message>
    <message>
        <source>Test
success</source>
        <translation>Aciertos
examen</translation>
    </message>
    <message>
        <source>Test time
per question</source>
        <translation>Tiempo/pregunta
examen</translation>
    </message>
    <message>
        <source>%1: success rate and time per question by week</source>
        <translation>%1: tasa de aciertos y tiempo por pregunta por semana</translation>
    </message>
    <message>
        <source>%1: success rate and time per question by day</source>
        <translation>%1: tasa de aciertos y tiempo por pregunta por día</translation>
    </message>
    <message>
        <source>No questions in this period.</source>
        <translation>No hay preguntas en este periodo.</translation>
    </message>
    <message>
        <source>Weak spot</source>
        <translation>Punto débil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>%1: weak spots</source>
        <translation>%1: puntos débiles</translation>
    </message>
    <message>
        <source>No errors in this period.</source>
        <translation>No hay errores en este periodo.</translation>
    </message>
    <message>
        <source>Kind of mistake</source>
        <translation>Tipo de error</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>%1: kinds of mistake</source>
        <translation>%1: tipos de error</translation>
    </message>
    <message>
        <source>Confusion</source>
        <translation>Confusión</translation>
    </message>
    <message>
        <source>Of</source>
        <translation>De</translation>
    </message>
    <message>
        <source>%1: confusions</source>
        <translation>%1: confusiones</translation>
    </message>
    <message>
        <source>No mistakes to tell apart in this period.</source>
        <translation>No hay errores que distinguir en este periodo.</translation>
    </message>
    <message>
        <source>No confusions in this period.</source>
        <translation>No hay confusiones en este periodo.</translation>
    </message>
    <message>
        <source>Weak spots</source>
        <translation>Puntos débiles</translation>
    </message>
    <message>
        <source>Kinds of mistake</source>
        <translation>Tipos de error</translation>
    </message>
    <message>
        <source>Confusions</source>
        <translation>Confusiones</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grado</translation>
    </message>
    <message>
        <source>Cadence</source>
        <translation>Cadencia</translation>
    </message>
</context>
<context>
    <name>tonalyst::AutoQuitDialog</name>
    <message>
        <source>Options: Auto Exit</source>
        <translation>Opciones: cierre automático</translation>
    </message>
    <message>
        <source>Shutdown After Idle Period:</source>
        <translation>Cerrar tras inactividad de:</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>20 min</source>
        <translation>20 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
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
        <translation>Opciones: cadencias</translation>
    </message>
    <message>
        <source>Cadences Named</source>
        <translation>Cadencias nombradas</translation>
    </message>
    <message>
        <source>perfect and imperfect authentic cadences told apart</source>
        <translation>cadencias auténticas perfectas e imperfectas distinguidas</translation>
    </message>
    <message>
        <source>Phrygian half cadences in minor keys</source>
        <translation>semicadencias frigias en las tonalidades menores</translation>
    </message>
</context>
<context>
    <name>tonalyst::ChordFunctionOptionsDialog</name>
    <message>
        <source>Options: Chord Functions</source>
        <translation>Opciones: funciones de los acordes</translation>
    </message>
    <message>
        <source>Chords Played Besides the Triads of the Key</source>
        <translation>Acordes tocados además de las tríadas de la tonalidad</translation>
    </message>
    <message>
        <source>seventh chords (V7, ii7, vii°7 ...)</source>
        <translation>acordes de séptima (V7, ii7, vii°7 ...)</translation>
    </message>
    <message>
        <source>inversions (I6, V65, ii42 ...)</source>
        <translation>inversiones (I6, V65, ii42 ...)</translation>
    </message>
    <message>
        <source>applied chords (V/V, V7/ii, vii°7/V ...)</source>
        <translation>dominantes secundarias (V/V, V7/ii, vii°7/V ...)</translation>
    </message>
    <message>
        <source>mixture in major keys (♭III, ♭VI, ♭VII, iv)</source>
        <translation>intercambio modal en las tonalidades mayores (♭III, ♭VI, ♭VII, iv)</translation>
    </message>
    <message>
        <source>Neapolitan sixth (N6)</source>
        <translation>sexta napolitana (N6)</translation>
    </message>
</context>
<context>
    <name>tonalyst::ChordSettingsDialog</name>
    <message>
        <source>You must select at least one chord</source>
        <translation>Debe elegir al menos un acorde</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied dominant list.</source>
        <translation>Solo se aplica a VII en menor. Debe elegir al menos otra opción de la lista de dominantes secundarias.</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied leading tone  list.</source>
        <translation>Solo se aplica a VII en menor. Debe elegir al menos otra opción de la lista de sensibles secundarias.</translation>
    </message>
    <message>
        <source>Mixture On</source>
        <translation>Intercambio modal</translation>
    </message>
    <message>
        <source>Options: Chord Settings</source>
        <translation>Opciones: ajustes de acordes</translation>
    </message>
    <message>
        <source>Triads</source>
        <translation>Tríadas</translation>
    </message>
    <message>
        <source>Sevenths</source>
        <translation>Séptimas</translation>
    </message>
    <message>
        <source>Applied Dominant7</source>
        <translation>Dominante secundaria</translation>
    </message>
    <message>
        <source>V7 of Flat-II</source>
        <translation>V7 de bII</translation>
    </message>
    <message>
        <source>V7 of ii </source>
        <translation>V7 de ii </translation>
    </message>
    <message>
        <source>V7 of iii / III</source>
        <translation>V7 de iii / III</translation>
    </message>
    <message>
        <source>V7 of IV / iv</source>
        <translation>V7 de IV / iv</translation>
    </message>
    <message>
        <source>V7 of V</source>
        <translation>V7 de V</translation>
    </message>
    <message>
        <source>V7 of vi / VI</source>
        <translation>V7 de vi / VI</translation>
    </message>
    <message>
        <source>V7 of VII (minor only)</source>
        <translation>V7 de VII (solo menor)</translation>
    </message>
    <message>
        <source>Applied vii-dim7</source>
        <translation>vii-dim7 secundario</translation>
    </message>
    <message>
        <source>vii-dim7 of ii </source>
        <translation>vii-dim7 de ii </translation>
    </message>
    <message>
        <source>vii-dim7 of iii / III</source>
        <translation>vii-dim7 de iii / III</translation>
    </message>
    <message>
        <source>vii-dim7 of IV</source>
        <translation>vii-dim7 de IV</translation>
    </message>
    <message>
        <source>vii-dim7 of V</source>
        <translation>vii-dim7 de V</translation>
    </message>
    <message>
        <source>vii-dim7 of vi / VI</source>
        <translation>vii-dim7 de vi / VI</translation>
    </message>
    <message>
        <source>vii-dim7 of VII (minor only)</source>
        <translation>vii-dim7 de VII (solo menor)</translation>
    </message>
    <message>
        <source>Augmented 6</source>
        <translation>Sexta aumentada</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiana</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francesa</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemana</translation>
    </message>
    <message>
        <source>Neapolitan</source>
        <translation>Sexta napolitana</translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation>bII</translation>
    </message>
    <message>
        <source>Chord Settings</source>
        <translation>Ajustes de acordes</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Elegir todo</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
</context>
<context>
    <name>tonalyst::ClassServerDialog</name>
    <message>
        <source>Send my answers to the class server</source>
        <translation>Enviar mis respuestas al servidor de clase</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Probar conexión</translation>
    </message>
    <message>
        <source>Class Server</source>
        <translation>Servidor de clase</translation>
    </message>
    <message>
        <source>service name, or postgresql://host/database</source>
        <translation>nombre de servicio, o postgresql://host/database</translation>
    </message>
    <message>
        <source>Your teacher gives you the service name or address and a password for your ~/.pgpass file. Tonalyst keeps no password.</source>
        <translation>Su profesor le da el nombre de servicio o la dirección y una contraseña para su archivo ~/.pgpass. Tonalyst no guarda ninguna contraseña.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Testing the connection ...</source>
        <translation>Probando la conexión ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::ClassServerLink</name>
    <message>
        <source>Class server: on. Answers are sent once your answer history is kept.</source>
        <translation>Servidor de clase: activado. Las respuestas se envían en cuanto se guarde su historial.</translation>
    </message>
    <message>
        <source>Class server: sending your answers ...</source>
        <translation>Servidor de clase: enviando sus respuestas ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::ClefDialog</name>
    <message>
        <source>Options: Clef Selection</source>
        <translation>Opciones: elección de clave</translation>
    </message>
    <message>
        <source>Clef Selection</source>
        <translation>Elección de clave</translation>
    </message>
    <message>
        <source>Treble Clef</source>
        <translation>Clave de sol</translation>
    </message>
    <message>
        <source>Bass Clef</source>
        <translation>Clave de fa</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
</context>
<context>
    <name>tonalyst::EarTrainingChordDialog</name>
    <message>
        <source>Options: Ear Training Chord Selection</source>
        <translation>Opciones: acordes de oído</translation>
    </message>
    <message>
        <source>Ear Training Chord Selection</source>
        <translation>Acordes de oído</translation>
    </message>
    <message>
        <source>Triads</source>
        <translation>Tríadas</translation>
    </message>
    <message>
        <source>Sevenths</source>
        <translation>Séptimas</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambas</translation>
    </message>
</context>
<context>
    <name>tonalyst::EarTrainingWindow</name>
    <message>
        <source>Ear Training: </source>
        <translation>Oído: </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Número de pregunta</translation>
    </message>
    <message>
        <source>First part of your answer</source>
        <translation>Primera parte de su respuesta</translation>
    </message>
    <message>
        <source>Second part of your answer</source>
        <translation>Segunda parte de su respuesta</translation>
    </message>
    <message>
        <source>Verdict on your answer</source>
        <translation>Veredicto sobre su respuesta</translation>
    </message>
    <message>
        <source>your answer is ....</source>
        <translation>su respuesta es ....</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Show Choices</source>
        <translation>Ver opciones</translation>
    </message>
    <message>
        <source>Show Display</source>
        <translation>Ver pantalla</translation>
    </message>
    <message>
        <source>Submit Answer</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Repeat Tones</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation>Enviar su respuesta</translation>
    </message>
    <message>
        <source>Pop up the answer choices</source>
        <translation>Desplegar las opciones de respuesta</translation>
    </message>
    <message>
        <source>Play the tones again</source>
        <translation>Volver a tocar los sonidos</translation>
    </message>
</context>
<context>
    <name>tonalyst::HelpWindow</name>
    <message>
        <source>Tonalyst Help</source>
        <translation>Ayuda de Tonalyst</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Theory Help</source>
        <translation>Ayuda de teoría</translation>
    </message>
    <message>
        <source>Program Help</source>
        <translation>Ayuda del programa</translation>
    </message>
    <message>
        <source>Tonalyst Help - %1</source>
        <translation>Ayuda de Tonalyst - %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::HistoryWriter</name>
    <message>
        <source>The records of %1 could not be brought into the answer history: %2</source>
        <translation>Los registros de %1 no se pudieron pasar al historial de respuestas: %2</translation>
    </message>
    <message>
        <source>Your answers are kept and stored as soon as the history can be written again.</source>
        <translation>Sus respuestas se conservan y se guardarán en cuanto se pueda volver a escribir el historial.</translation>
    </message>
    <message>
        <source>The answer history cannot be written: %1</source>
        <translation>No se puede escribir el historial de respuestas: %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::InKeyCommonGroup</name>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>major keys</source>
        <translation>tonalidades mayores</translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation>tonalidades menores</translation>
    </message>
    <message>
        <source>major and minor keys</source>
        <translation>tonalidades mayores y menores</translation>
    </message>
    <message>
        <source>Key and Tempo</source>
        <translation>Tonalidad y tempo</translation>
    </message>
    <message>
        <source>At most sharps or flats</source>
        <translation>Como máximo sostenidos o bemoles</translation>
    </message>
    <message>
        <source>Skip the cadence while the key stays the same</source>
        <translation>Omitir la cadencia mientras la tonalidad siga igual</translation>
    </message>
    <message>
        <source>Tempo in quarter notes per minute</source>
        <translation>Tempo en negras por minuto</translation>
    </message>
    <message>
        <source>At most &amp;sharps or flats:</source>
        <translation>Como máximo &amp;sostenidos o bemoles:</translation>
    </message>
    <message>
        <source>&amp;Tempo (quarter notes per minute):</source>
        <translation>&amp;Tempo (negras por minuto):</translation>
    </message>
</context>
<context>
    <name>tonalyst::InKeyOptionsDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tonalyst::IntervalOptionsDialog</name>
    <message>
        <source>Options: Interval Settings</source>
        <translation>Opciones: ajustes de intervalos</translation>
    </message>
    <message>
        <source>Interval Type Options</source>
        <translation>Tipos de intervalos</translation>
    </message>
    <message>
        <source>common intervals</source>
        <translation>intervalos comunes</translation>
    </message>
    <message>
        <source>advanced intervals (this option precludes &quot;all possible notes&quot; option below -see help)</source>
        <translation>intervalos avanzados (excluye la opción «todas las notas posibles» de abajo; véase la ayuda)</translation>
    </message>
    <message>
        <source>Common intervals</source>
        <translation>Intervalos comunes</translation>
    </message>
    <message>
        <source>perfect unison</source>
        <translation>unísono justo</translation>
    </message>
    <message>
        <source>minor second</source>
        <translation>segunda menor</translation>
    </message>
    <message>
        <source>major second</source>
        <translation>segunda mayor</translation>
    </message>
    <message>
        <source>minor third</source>
        <translation>tercera menor</translation>
    </message>
    <message>
        <source>major third</source>
        <translation>tercera mayor</translation>
    </message>
    <message>
        <source>perfect fourth</source>
        <translation>cuarta justa</translation>
    </message>
    <message>
        <source>diminished fifth (tri-tone)</source>
        <translation>quinta disminuida (tritono)</translation>
    </message>
    <message>
        <source>perfect fifth</source>
        <translation>quinta justa</translation>
    </message>
    <message>
        <source>minor sixth</source>
        <translation>sexta menor</translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation>sexta mayor</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>séptima menor</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>séptima mayor</translation>
    </message>
    <message>
        <source>perfect octave</source>
        <translation>octava justa</translation>
    </message>
    <message>
        <source>Advanced intervals</source>
        <translation>Intervalos avanzados</translation>
    </message>
    <message>
        <source>all common intervals, </source>
        <translation>todos los intervalos comunes, </translation>
    </message>
    <message>
        <source>plus...</source>
        <translation>además...</translation>
    </message>
    <message>
        <source>augmented second</source>
        <translation>segunda aumentada</translation>
    </message>
    <message>
        <source>diminished third</source>
        <translation>tercera disminuida</translation>
    </message>
    <message>
        <source>diminished fourth</source>
        <translation>cuarta disminuida</translation>
    </message>
    <message>
        <source>augmented fourth</source>
        <translation>cuarta aumentada</translation>
    </message>
    <message>
        <source>augmented fifth</source>
        <translation>quinta aumentada</translation>
    </message>
    <message>
        <source>augmented sixth</source>
        <translation>sexta aumentada</translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation>séptima disminuida</translation>
    </message>
    <message>
        <source>Interval Note Selection</source>
        <translation>Elección de notas del intervalo</translation>
    </message>
    <message>
        <source>select from chosen keys</source>
        <translation>elegir de las tonalidades elegidas</translation>
    </message>
    <message>
        <source>select from all possible notes (this option precludes advanced intervals-see help)</source>
        <translation>elegir de todas las notas posibles (excluye los intervalos avanzados; véase la ayuda)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Option not allowed for ear training</source>
        <translation>Opción no permitida para el entrenamiento auditivo</translation>
    </message>
</context>
<context>
    <name>tonalyst::InversionDialog</name>
    <message>
        <source>Options: Inversion Settings</source>
        <translation>Opciones: inversiones</translation>
    </message>
    <message>
        <source>Inversion Options</source>
        <translation>Inversiones</translation>
    </message>
    <message>
        <source>Inversions Off</source>
        <translation>Inversiones desactivadas</translation>
    </message>
    <message>
        <source>Inversions On : basic notation</source>
        <translation>Inversiones activadas : notación básica</translation>
    </message>
    <message>
        <source>Inversions On : figured bass notation</source>
        <translation>Inversiones activadas : cifrado del bajo continuo</translation>
    </message>
</context>
<context>
    <name>tonalyst::KeySettingsDialog</name>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Options: Key Settings</source>
        <translation>Opciones: tonalidades</translation>
    </message>
    <message>
        <source>Mode </source>
        <translation>Modo </translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Mayor</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Menor</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Sharp Keys</source>
        <translation>Tonalidades con sostenidos</translation>
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
        <translation>Tonalidades con bemoles</translation>
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
        <translation>Tonalidades</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>You must select at least one key</source>
        <translation>Debe elegir al menos una tonalidad</translation>
    </message>
</context>
<context>
    <name>tonalyst::KeySigDisplayDialog</name>
    <message>
        <source>Options: Key Signature Display</source>
        <translation>Opciones: mostrar la armadura</translation>
    </message>
    <message>
        <source>Key Indication for chord ID</source>
        <translation>Indicación de tonalidad (identif.)</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrita</translation>
    </message>
    <message>
        <source>Symbolic</source>
        <translation>Simbólica</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Opciones: idioma</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Como el escritorio</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>As the language</source>
        <translation>Como el idioma</translation>
    </message>
    <message>
        <source>English letters (C D E F G A B)</source>
        <translation>Letras inglesas (C D E F G A B)</translation>
    </message>
    <message>
        <source>German letters (C D E F G A H)</source>
        <translation>Letras alemanas (C D E F G A H)</translation>
    </message>
    <message>
        <source>Fixed do (Do Ré Mi Fa Sol La Si)</source>
        <translation>Do fijo (Do Re Mi Fa Sol La Si)</translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation>&amp;Nombres de las notas:</translation>
    </message>
</context>
<context>
    <name>tonalyst::MainWindow</name>
    <message>
        <source>&amp;Tones off</source>
        <translation>Desactivar &amp;sonidos</translation>
    </message>
    <message>
        <source>&amp;Tones on</source>
        <translation>Activar &amp;sonidos</translation>
    </message>
    <message>
        <source>&amp;Beep off</source>
        <translation>Desactivar &amp;pitido</translation>
    </message>
    <message>
        <source>&amp;Beep on</source>
        <translation>Activar &amp;pitido</translation>
    </message>
    <message>
        <source>Tonalyst</source>
        <translation>Tonalyst</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>práctica</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Número de pregunta</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Question, continued</source>
        <translation>Pregunta, continuación</translation>
    </message>
    <message>
        <source>First part of your answer</source>
        <translation>Primera parte de su respuesta</translation>
    </message>
    <message>
        <source>Second part of your answer</source>
        <translation>Segunda parte de su respuesta</translation>
    </message>
    <message>
        <source>Inversion of your answer</source>
        <translation>Inversión de su respuesta</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Verdict on your answer</source>
        <translation>Veredicto sobre su respuesta</translation>
    </message>
    <message>
        <source>your answer was ....</source>
        <translation>su respuesta fue ....</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Show Choices</source>
        <translation>Ver opciones</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Submit Answer</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Hide Display</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation>Enviar su respuesta</translation>
    </message>
    <message>
        <source>Pop up the answer choices</source>
        <translation>Desplegar las opciones de respuesta</translation>
    </message>
    <message>
        <source>Clear the staff or the answer, or repeat the tones (Esc)</source>
        <translation>Borrar el pentagrama o la respuesta, o repetir los sonidos (Esc)</translation>
    </message>
    <message>
        <source>Start a run of questions</source>
        <translation>Empezar una serie de preguntas</translation>
    </message>
    <message>
        <source>Return to the ear-training window</source>
        <translation>Volver a la ventana de entrenamiento auditivo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Not enough tones</source>
        <translation>Faltan sonidos</translation>
    </message>
    <message>
        <source>Enter an answer</source>
        <translation>Introduzca una respuesta</translation>
    </message>
    <message>
        <source>choose an inversion</source>
        <translation>elija una inversión</translation>
    </message>
    <message>
        <source>Your corrected answer ...</source>
        <translation>Su respuesta corregida ...</translation>
    </message>
    <message>
        <source>Complete current question before changing activity ?</source>
        <translation>¿Terminar la pregunta actual antes de cambiar de actividad?</translation>
    </message>
    <message>
        <source>Will change activity after current question completed</source>
        <translation>La actividad cambiará al terminar la pregunta actual</translation>
    </message>
    <message>
        <source>Will now reset status bar and change activtiy...</source>
        <translation>Se reinicia el estado y se cambia de actividad...</translation>
    </message>
    <message>
        <source>test</source>
        <translation>examen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset Tonalyst?</source>
        <translation>¿Seguro que quiere reiniciar Tonalyst?</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down Tonalyst ?</source>
        <translation>¿Seguro que quiere cerrar Tonalyst?</translation>
    </message>
    <message>
        <source>Repeat Tones</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Name all %1: %2 named so far</source>
        <translation>Nombre los %1: %2 nombrados hasta ahora</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>bemol</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>sostenido</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>becuadro</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>disminuido</translation>
    </message>
    <message>
        <source>half-diminished</source>
        <translation>semidisminuido</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message numerus="yes">
        <source>All %n name(s) are in: Backspace takes the last one back.</source>
        <translation>
            <numerusform>El nombre ya está: Retroceso quita el último.</numerusform>
            <numerusform>Los %n nombres ya están: Retroceso quita el último.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the names offered.</source>
        <translation>«%1» no es uno de los nombres ofrecidos.</translation>
    </message>
    <message>
        <source>%1  (%2 of %3)</source>
        <translation>%1  (%2 de %3)</translation>
    </message>
    <message>
        <source>The language changes the next time Tonalyst starts.</source>
        <translation>El idioma cambia la próxima vez que se inicie Tonalyst.</translation>
    </message>
    <message>
        <source>In the key of %1</source>
        <translation>En %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::MidiDialog</name>
    <message>
        <source>MIDI Input</source>
        <translation>Entrada MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>Teclados MIDI</translation>
    </message>
    <message>
        <source>Sustain pedal</source>
        <translation>Pedal de resonancia</translation>
    </message>
    <message>
        <source>Sostenuto pedal</source>
        <translation>Pedal tonal</translation>
    </message>
    <message>
        <source>Soft pedal</source>
        <translation>Pedal celeste</translation>
    </message>
    <message>
        <source>None: Enter submits</source>
        <translation>Ninguno: Intro envía</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Play an answer on the keyboard: notes enter the staff, chords answer ear training. J respells the last note entered.</source>
        <translation>Toque una respuesta en el teclado: las notas entran en el pentagrama, los acordes responden al entrenamiento auditivo. J cambia la enarmonía de la última nota introducida.</translation>
    </message>
    <message>
        <source>Submit with:</source>
        <translation>Enviar con:</translation>
    </message>
    <message>
        <source>Play answers on:</source>
        <translation>Tocar las respuestas en:</translation>
    </message>
    <message>
        <source>(no MIDI keyboard)</source>
        <translation>(ningún teclado MIDI)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (no conectado)</translation>
    </message>
    <message>
        <source>No MIDI system is running: neither the ALSA sequencer nor a JACK server answers. Tonalyst works as usual without one.</source>
        <translation>No hay ningún sistema MIDI en marcha: no responde ni el secuenciador ALSA ni un servidor JACK. Tonalyst funciona como siempre sin él.</translation>
    </message>
    <message>
        <source>No MIDI keyboard is connected. Plug one in and press Refresh; a keyboard chosen here is connected by itself whenever it appears.</source>
        <translation>No hay ningún teclado MIDI conectado. Conecte uno y pulse Actualizar; un teclado elegido aquí se conecta solo en cuanto aparece.</translation>
    </message>
    <message>
        <source>Listening to %1.</source>
        <translation>Escuchando %1.</translation>
    </message>
    <message>
        <source>Choose the keyboard to play answers on.</source>
        <translation>Elija el teclado en el que tocar las respuestas.</translation>
    </message>
</context>
<context>
    <name>tonalyst::NamePad</name>
    <message>
        <source>The key of the question</source>
        <translation>La tonalidad de la pregunta</translation>
    </message>
    <message>
        <source>The names you entered</source>
        <translation>Los nombres introducidos</translation>
    </message>
    <message>
        <source>Type a name</source>
        <translation>Escriba un nombre</translation>
    </message>
    <message>
        <source>Enter adds the name typed to your answer; Backspace in the empty field takes the last one back</source>
        <translation>Intro añade el nombre escrito a su respuesta; Retroceso en el campo vacío quita el último</translation>
    </message>
    <message>
        <source>Type a name, then Enter</source>
        <translation>Escriba un nombre y luego Intro</translation>
    </message>
    <message>
        <source>Why a typed name was not taken</source>
        <translation>Por qué no se aceptó un nombre escrito</translation>
    </message>
    <message>
        <source>Replay Cadence</source>
        <translation>Repetir la cadencia</translation>
    </message>
    <message>
        <source>Play the cadence that sets the key again</source>
        <translation>Volver a tocar la cadencia que establece la tonalidad</translation>
    </message>
    <message>
        <source>In the key of %1</source>
        <translation>En %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::NotePalette</name>
    <message>
        <source>Drag onto the staff</source>
        <translation>Arrastrar al pentagrama</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Note with a natural</source>
        <translation>Nota con becuadro</translation>
    </message>
    <message>
        <source>Note with a sharp</source>
        <translation>Nota con sostenido</translation>
    </message>
    <message>
        <source>Note with a flat</source>
        <translation>Nota con bemol</translation>
    </message>
    <message>
        <source>Note with a double sharp</source>
        <translation>Nota con doble sostenido</translation>
    </message>
    <message>
        <source>Note with a double flat</source>
        <translation>Nota con doble bemol</translation>
    </message>
</context>
<context>
    <name>tonalyst::NotesField</name>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Note names separated by blanks, such as Eb G Bb or F#4 A#4 C#5; Enter puts them on the staff, Enter on an empty field submits the answer</source>
        <translation>Nombres de notas separados por espacios, como Eb G Bb o F#4 A#4 C#5; Intro los pone en el pentagrama, Intro con el campo vacío envía la respuesta</translation>
    </message>
    <message>
        <source>e.g. Eb G Bb</source>
        <translation type="vanished">p. ej. Eb G Bb</translation>
    </message>
    <message>
        <source>Notes not entered</source>
        <translation>Notas no introducidas</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>p. ej. %1</translation>
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
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Todo el tiempo</translation>
    </message>
    <message>
        <source>Progress - %1</source>
        <translation>Progreso - %1</translation>
    </message>
    <message>
        <source>Reading the answers of %1 ...</source>
        <translation>Leyendo las respuestas de %1 ...</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>All activities</source>
        <translation>Todas las actividades</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>&amp;Activity:</source>
        <translation>&amp;Actividad:</translation>
    </message>
    <message>
        <source>Export CSV ...</source>
        <translation>Exportar CSV ...</translation>
    </message>
    <message>
        <source>Writes the answers of the chosen period to a CSV file</source>
        <translation>Escribe las respuestas del periodo elegido en un archivo CSV</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Working out the figures ...</source>
        <translation>Calculando las cifras ...</translation>
    </message>
    <message>
        <source>No answers in this period.</source>
        <translation>No hay respuestas en este periodo.</translation>
    </message>
    <message>
        <source>%1 answers from %2 to %3.</source>
        <translation>%1 respuestas del %2 al %3.</translation>
    </message>
    <message>
        <source>No answers yet.</source>
        <translation>Aún no hay respuestas.</translation>
    </message>
    <message>
        <source>Writing %1 ...</source>
        <translation>Escribiendo %1 ...</translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation>No se exportó nada.</translation>
    </message>
    <message>
        <source>The answers could not be written to %1: %2</source>
        <translation>No se pudieron escribir las respuestas en %1: %2</translation>
    </message>
    <message>
        <source>%1 answers written to %2.</source>
        <translation>%1 respuestas escritas en %2.</translation>
    </message>
</context>
<context>
    <name>tonalyst::ProgressionOptionsDialog</name>
    <message>
        <source>Options: Progressions</source>
        <translation>Opciones: progresiones</translation>
    </message>
    <message>
        <source>Chords per Progression</source>
        <translation>Acordes por progresión</translation>
    </message>
    <message>
        <source>Fewest chords per progression</source>
        <translation>Mínimo de acordes por progresión</translation>
    </message>
    <message>
        <source>Most chords per progression</source>
        <translation>Máximo de acordes por progresión</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;A:</translation>
    </message>
    <message>
        <source>Chords Played Besides the Triads in Root Position</source>
        <translation>Acordes tocados además de las tríadas en estado fundamental</translation>
    </message>
    <message>
        <source>seventh chords</source>
        <translation>acordes de séptima</translation>
    </message>
    <message>
        <source>inversions</source>
        <translation>inversiones</translation>
    </message>
</context>
<context>
    <name>tonalyst::PushWorker</name>
    <message>
        <source>Enter the service name or the address your teacher gave you.</source>
        <translation>Introduzca el nombre de servicio o la dirección que le dio su profesor.</translation>
    </message>
    <message>
        <source>Could not connect: %1.</source>
        <translation>No se pudo conectar: %1.</translation>
    </message>
    <message>
        <source>Connected, but the class tables cannot be read: %1</source>
        <translation>Conectado, pero no se pueden leer las tablas de la clase: %1</translation>
    </message>
    <message>
        <source>Connected, but this database is not set up for a class yet.</source>
        <translation>Conectado, pero esta base de datos aún no está preparada para una clase.</translation>
    </message>
    <message>
        <source>Connected to %1. Your answers can be sent.</source>
        <translation>Conectado a %1. Sus respuestas se pueden enviar.</translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportDialog</name>
    <message>
        <source>Create Report</source>
        <translation>Crear informe</translation>
    </message>
    <message>
        <source>View/Print ...</source>
        <translation>Ver/Imprimir ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Source Data File</source>
        <translation>Archivo de datos de origen</translation>
    </message>
    <message>
        <source>Choose File ...</source>
        <translation>Elegir archivo ...</translation>
    </message>
    <message>
        <source>Report Period</source>
        <translation>Periodo del informe</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absoluto</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Relativo</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Últimos</translation>
    </message>
    <message>
        <source>Days (inclusive)</source>
        <translation>días (inclusive)</translation>
    </message>
    <message>
        <source>From :</source>
        <translation>Desde :</translation>
    </message>
    <message>
        <source>To :</source>
        <translation>Hasta :</translation>
    </message>
    <message>
        <source>Report Type</source>
        <translation>Tipo de informe</translation>
    </message>
    <message>
        <source>test</source>
        <translation>examen</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>práctica</translation>
    </message>
    <message>
        <source>both</source>
        <translation>ambos</translation>
    </message>
    <message>
        <source>composite</source>
        <translation>combinado</translation>
    </message>
    <message>
        <source>Report for current user: %1</source>
        <translation>Informe del usuario actual: %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportDisplayWindow</name>
    <message>
        <source>Performance Report</source>
        <translation>Informe de rendimiento</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir informe</translation>
    </message>
    <message>
        <source>Back ...</source>
        <translation>Atrás ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportProgressWindow</name>
    <message>
        <source>Report Message</source>
        <translation>Mensaje del informe</translation>
    </message>
</context>
<context>
    <name>tonalyst::RtMidiInput</name>
    <message>
        <source>The port %1 is not there.</source>
        <translation>El puerto %1 no existe.</translation>
    </message>
</context>
<context>
    <name>tonalyst::ScaleDegreeOptionsDialog</name>
    <message>
        <source>Options: Scale Degrees</source>
        <translation>Opciones: grados de la escala</translation>
    </message>
    <message>
        <source>Degrees Asked</source>
        <translation>Grados preguntados</translation>
    </message>
    <message>
        <source>diatonic degrees (1 to 7)</source>
        <translation>grados diatónicos (1 a 7)</translation>
    </message>
    <message>
        <source>with chromatic degrees (♭2 ♭3 ♯4 ♭6 ♭7 in major, ♭2 ♯4 ♮6 ♮7 in minor)</source>
        <translation>con grados cromáticos (♭2 ♭3 ♯4 ♭6 ♭7 en mayor, ♭2 ♯4 ♮6 ♮7 en menor)</translation>
    </message>
    <message>
        <source>Notes per question</source>
        <translation>Notas por pregunta</translation>
    </message>
    <message>
        <source>&amp;Notes per question:</source>
        <translation>&amp;Notas por pregunta:</translation>
    </message>
    <message>
        <source>Degrees Named</source>
        <translation>Nombre de los grados</translation>
    </message>
    <message>
        <source>as numbers (1 2 3)</source>
        <translation>con números (1 2 3)</translation>
    </message>
    <message>
        <source>in movable-do solfège (do re mi)</source>
        <translation>en solfeo relativo (do re mi)</translation>
    </message>
    <message>
        <source>Solfège in Minor Keys</source>
        <translation>Solfeo en menor</translation>
    </message>
    <message>
        <source>do-based: the minor tonic is do</source>
        <translation>basado en do: la tónica menor es do</translation>
    </message>
    <message>
        <source>la-based: the minor tonic is la</source>
        <translation>basado en la: la tónica menor es la</translation>
    </message>
</context>
<context>
    <name>tonalyst::SplashWindow</name>
    <message>
        <source>your complete music theory fitness program</source>
        <translation>su programa completo de entrenamiento en teoría musical</translation>
    </message>
    <message>
        <source>Tonalyst  is just warming up, one moment please ...</source>
        <translation>Tonalyst  se está preparando, un momento, por favor ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::StaffPanel</name>
    <message>
        <source>Not entered: %1.</source>
        <translation>No introducido: %1.</translation>
    </message>
</context>
<context>
    <name>tonalyst::StaffWidget</name>
    <message>
        <source>Staff</source>
        <translation>Pentagrama</translation>
    </message>
</context>
<context>
    <name>tonalyst::TestLengthDialog</name>
    <message>
        <source>Options: Test Length</source>
        <translation>Opciones: longitud del examen</translation>
    </message>
    <message>
        <source>Number of Test Questions</source>
        <translation>Número de preguntas del examen</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>fifteen</source>
        <translation>quince</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>veinte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>ID de usuario</translation>
    </message>
    <message>
        <source>Enter Your User ID</source>
        <translation>Introduzca su ID de usuario</translation>
    </message>
    <message>
        <source>Maximum length 4 characters</source>
        <translation>Máximo 4 caracteres</translation>
    </message>
    <message>
        <source>Enter your initials, or use a codeword if you wish.  (Whatever you enter, be sure to write it down so you don&apos;t forget it.)</source>
        <translation>Introduzca sus iniciales, o una palabra clave si lo prefiere.  (Introduzca lo que introduzca, anótelo para no olvidarlo.)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
