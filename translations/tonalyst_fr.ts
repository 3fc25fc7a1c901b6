<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Alternation</name>
    <message>
        <source>Watch for raised scale degree 3, 6 or 7</source>
        <translation>Attention au 3e, 6e ou 7e degré haussé</translation>
    </message>
    <message>
        <source>Watch for raised scale degree 6 or 7</source>
        <translation>Attention au 6e ou 7e degré haussé</translation>
    </message>
    <message>
        <source>Watch for flat scale degree 3, 6 or 7</source>
        <translation>Attention au 3e, 6e ou 7e degré abaissé</translation>
    </message>
</context>
<context>
    <name>AnswerExport</name>
    <message>
        <source>the output cannot be written</source>
        <translation>la sortie ne peut pas être écrite</translation>
    </message>
    <message>
        <source>the output cannot be written: %1</source>
        <translation>la sortie ne peut pas être écrite : %1</translation>
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
        <translation>vii-dim %1 de %2</translation>
    </message>
</context>
<context>
    <name>AnswerPreparation</name>
    <message>
        <source>You may be missing a natural sign.</source>
        <translation>Il manque peut-être un bécarre.</translation>
    </message>
</context>
<context>
    <name>AnswerPusher</name>
    <message>
        <source>the answer history could not note the answers as sent</source>
        <translation>l&apos;historique des réponses n&apos;a pas pu noter les réponses comme envoyées</translation>
    </message>
    <message>
        <source>Class server: all your answers are sent.</source>
        <translation>Serveur de classe : toutes vos réponses sont envoyées.</translation>
    </message>
    <message>
        <source>Class server: 1 answer is waiting to be sent.</source>
        <translation>Serveur de classe : 1 réponse attend d&apos;être envoyée.</translation>
    </message>
    <message>
        <source>Class server: %1 answers are waiting to be sent.</source>
        <translation>Serveur de classe : %1 réponses attendent d&apos;être envoyées.</translation>
    </message>
    <message>
        <source>Class server: 1 answer is waiting on this computer, because %1. They are kept and sent later.</source>
        <translation>Serveur de classe : 1 réponse attend sur cet ordinateur, parce que %1. Elle est conservée et sera envoyée plus tard.</translation>
    </message>
    <message>
        <source>Class server: %1 answers are waiting on this computer, because %2. They are kept and sent later.</source>
        <translation>Serveur de classe : %1 réponses attendent sur cet ordinateur, parce que %2. Elles sont conservées et seront envoyées plus tard.</translation>
    </message>
</context>
<context>
    <name>AppendJournal</name>
    <message>
        <source>cannot rename %1</source>
        <translation>impossible de renommer %1</translation>
    </message>
</context>
<context>
    <name>AppliedChordGenerator</name>
    <message>
        <source>identify the given applied chord</source>
        <translation>identifiez l&apos;accord de dominante secondaire donné</translation>
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
        <translation>identifiez l&apos;accord donné</translation>
    </message>
    <message>
        <source>the Italian augmented 6 chord </source>
        <translation>la sixte augmentée italienne </translation>
    </message>
    <message>
        <source>the French augmented 6 chord </source>
        <translation>la sixte augmentée française </translation>
    </message>
    <message>
        <source>the German augmented 6 chord </source>
        <translation>la sixte augmentée allemande </translation>
    </message>
</context>
<context>
    <name>Cadences</name>
    <message>
        <source>&amp;Cadences</source>
        <translation>Cade&amp;nces</translation>
    </message>
    <message>
        <source>cadences</source>
        <translation>cadences</translation>
    </message>
    <message>
        <source>Cadences</source>
        <translation>Cadences</translation>
    </message>
    <message>
        <source>Cade&amp;nce Options ...</source>
        <translation>Cadence&amp;s ...</translation>
    </message>
    <message>
        <source>Ear Training : Cadences</source>
        <translation>Oreille : cadences</translation>
    </message>
    <message>
        <source>Listen to the cadence that sets the key, then name the cadence that ends the phrase.</source>
        <translation>Écoutez la cadence qui installe la tonalité, puis nommez la cadence qui termine la phrase.</translation>
    </message>
    <message>
        <source>--plain-authentic (authentic cadences not named perfect or imperfect), --no-phrygian (no Phrygian half cadence in minor)</source>
        <translation>--plain-authentic (cadences authentiques non dites parfaites ou imparfaites), --no-phrygian (pas de demi-cadence phrygienne en mineur)</translation>
    </message>
    <message>
        <source>perfect authentic</source>
        <translation>cadence parfaite</translation>
    </message>
    <message>
        <source>imperfect authentic</source>
        <translation>cadence imparfaite</translation>
    </message>
    <message>
        <source>authentic</source>
        <translation>cadence authentique</translation>
    </message>
    <message>
        <source>half</source>
        <translation>demi-cadence</translation>
    </message>
    <message>
        <source>plagal</source>
        <translation>cadence plagale</translation>
    </message>
    <message>
        <source>deceptive</source>
        <translation>cadence rompue</translation>
    </message>
    <message>
        <source>Phrygian half</source>
        <translation>demi-cadence phrygienne</translation>
    </message>
</context>
<context>
    <name>ChordAnswers</name>
    <message>
        <source>Triad :</source>
        <translation>Triade :</translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation>Accord de septième :</translation>
    </message>
    <message>
        <source>V7 of</source>
        <translation>V7 de</translation>
    </message>
    <message>
        <source>vii-dim7 of</source>
        <translation>vii-dim7 de</translation>
    </message>
    <message>
        <source>Augmented 6 :</source>
        <translation>Sixte augmentée :</translation>
    </message>
    <message>
        <source>Flat-II (Neapolitan)</source>
        <translation>♭II (sixte napolitaine)</translation>
    </message>
    <message>
        <source>ii-dim</source>
        <translation>ii-dim</translation>
    </message>
    <message>
        <source>Flat-III</source>
        <translation>♭III</translation>
    </message>
    <message>
        <source>III-aug</source>
        <translation>III-aug</translation>
    </message>
    <message>
        <source>Flat-VI</source>
        <translation>♭VI</translation>
    </message>
    <message>
        <source>vi-dim</source>
        <translation>vi-dim</translation>
    </message>
    <message>
        <source>vii-dim</source>
        <translation>vii-dim</translation>
    </message>
    <message>
        <source>Flat-VII</source>
        <translation>♭VII</translation>
    </message>
    <message>
        <source>ii-half-dim7</source>
        <translation>ii-semi-dim7</translation>
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
        <translation>vii-semi-dim7</translation>
    </message>
    <message>
        <source>vii-dim7</source>
        <translation>vii-dim7</translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation>♭II</translation>
    </message>
    <message>
        <source>IV (or iv)</source>
        <translation>IV (ou iv)</translation>
    </message>
    <message>
        <source>V  (or v)</source>
        <translation>V  (ou v)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>allemande</translation>
    </message>
    <message>
        <source>French</source>
        <translation>française</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italienne</translation>
    </message>
</context>
<context>
    <name>ChordEarTraining</name>
    <message>
        <source>Chor&amp;d Ear Training ...</source>
        <translation>Accor&amp;ds à l&apos;oreille ...</translation>
    </message>
    <message>
        <source>chord ear train</source>
        <translation>accords oreille</translation>
    </message>
    <message>
        <source>Chord Ear Training</source>
        <translation>Accords à l&apos;oreille</translation>
    </message>
    <message>
        <source>Ear Training : Chords</source>
        <translation>Oreille : accords</translation>
    </message>
    <message>
        <source>Sounded: </source>
        <translation>Joué : </translation>
    </message>
    <message>
        <source>Listen to each chord and name its quality.</source>
        <translation>Écoutez chaque accord et nommez sa qualité.</translation>
    </message>
    <message>
        <source>triad</source>
        <translation type="vanished">accord de trois sons</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation type="vanished">septième</translation>
    </message>
</context>
<context>
    <name>ChordFunctions</name>
    <message>
        <source>Chord &amp;Functions</source>
        <translation>&amp;Fonctions des accords</translation>
    </message>
    <message>
        <source>chord functions</source>
        <translation>fonctions des accords</translation>
    </message>
    <message>
        <source>Chord Functions</source>
        <translation>Fonctions des accords</translation>
    </message>
    <message>
        <source>Chord F&amp;unction Options ...</source>
        <translation>Fo&amp;nctions des accords ...</translation>
    </message>
    <message>
        <source>Ear Training : Chord Functions</source>
        <translation>Oreille : fonctions des accords</translation>
    </message>
    <message>
        <source>Listen to the cadence, then name the chord by its Roman numeral.</source>
        <translation>Écoutez la cadence, puis nommez l&apos;accord par son chiffre romain.</translation>
    </message>
    <message>
        <source>--sevenths, --inverted (inversions, named by figures), --applied (V/x and vii°/x), --borrowed (♭III, ♭VI, ♭VII, iv in major), --neapolitan (N6)</source>
        <translation>--sevenths, --inverted (renversements, nommés par leur chiffrage), --applied (V/x et vii°/x), --borrowed (♭III, ♭VI, ♭VII, iv en majeur), --neapolitan (N6)</translation>
    </message>
</context>
<context>
    <name>ChordIdentification</name>
    <message>
        <source>Chord &amp;Identification</source>
        <translation>Identifier les acc&amp;ords</translation>
    </message>
    <message>
        <source>chord ID</source>
        <translation>identif. accords</translation>
    </message>
    <message>
        <source>Chord Identification</source>
        <translation>Identification des accords</translation>
    </message>
    <message>
        <source>Notes, lowest first: </source>
        <translation>Notes, de la plus grave : </translation>
    </message>
    <message>
        <source>Name each chord and its inversion.</source>
        <translation>Nommez chaque accord et son renversement.</translation>
    </message>
    <message>
        <source>Name each chord with its Roman numeral and figures.</source>
        <translation>Nommez chaque accord par son chiffre romain et son chiffrage.</translation>
    </message>
    <message>
        <source>Name each chord with its Roman numeral.</source>
        <translation>Nommez chaque accord par son chiffre romain.</translation>
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
        <translation>Triade :</translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation>Accord de septième :</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>diminué</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>mineur</translation>
    </message>
    <message>
        <source>major</source>
        <translation>majeur</translation>
    </message>
    <message>
        <source>augmented</source>
        <translation>augmenté</translation>
    </message>
    <message>
        <source>half-diminished</source>
        <translation>semi-diminué</translation>
    </message>
    <message>
        <source>dominant (major-minor)</source>
        <translation>de dominante (majeur-mineur)</translation>
    </message>
</context>
<context>
    <name>ChordSpelling</name>
    <message>
        <source>Chord &amp;Spelling</source>
        <translation>Écrire les a&amp;ccords</translation>
    </message>
    <message>
        <source>chord spell</source>
        <translation>écrire accords</translation>
    </message>
    <message>
        <source>Chord Spelling</source>
        <translation>Écriture des accords</translation>
    </message>
    <message>
        <source>Write each chord on the staff.</source>
        <translation>Écrivez chaque accord sur la portée.</translation>
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
        <translation>Utilisation : tonalyst class COMMAND --db SERVER [options]

Conserve les réponses d&apos;une classe sur un serveur PostgreSQL. SERVER est une URI de
connexion (postgresql://host/database), des réglages key=value ou un nom de service de
~/.pg_service.conf ; les mots de passe viennent de ~/.pgpass ou du fichier de service.

Commandes :
  init                                  créer les tables de la base de la classe, ou les mettre à jour
  add-student --class NAME --user ID    créer un identifiant pour un nouvel élève de la classe (un ID
                                        déjà dans une autre classe est refusé : un ID, un élève)
  enrol --class NAME --user ID          inscrire aussi un élève existant dans une autre classe
                                        (pas de nouvel identifiant ; les professeurs de cette classe
                                        lisent alors toutes les réponses de l&apos;élève)
  add-teacher --class NAME[,NAME...] --user ID
                                        créer un identifiant pour le professeur de ces classes
  import --data FILE --user ID          apporter au serveur les enregistrements de l&apos;élève d&apos;un
                                        fichier de données, sauf ceux que sa fenêtre a déjà envoyés
  report --user ID [period] [--type TYPE]
                                        un rapport de résultats, présenté comme celui de tonalyst report
  summary --class NAME [period] [--csv] une ligne par élève de la classe

Période (period) : --last N (les N derniers jours jusqu&apos;à aujourd&apos;hui, 1 à 31, 7 par défaut),
ou --from DATE et --to DATE (comme 1998-05-06 ; --to vaut aujourd&apos;hui par défaut).
TYPE : test, practice, both ou composite (par défaut : composite).
</translation>
    </message>
    <message>
        <source>give one of the commands %1</source>
        <translation>indiquez une des commandes %1</translation>
    </message>
    <message>
        <source>%1 is required for %2</source>
        <translation>%1 est obligatoire pour %2</translation>
    </message>
    <message>
        <source>give one --class</source>
        <translation>indiquez un seul --class</translation>
    </message>
    <message>
        <source>--type must be one of test, practice, both or composite</source>
        <translation>--type doit être test, practice, both ou composite</translation>
    </message>
</context>
<context>
    <name>ClassSchema</name>
    <message>
        <source>The class database was set up by a newer Tonalyst (schema version %1; this Tonalyst knows versions up to %2). Use a newer Tonalyst with this database.</source>
        <translation>La base de la classe a été créée par un Tonalyst plus récent (version de schéma %1 ; ce Tonalyst connaît les versions jusqu&apos;à %2). Utilisez un Tonalyst plus récent avec cette base.</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>could not make a password verifier</source>
        <translation>impossible de créer un vérificateur de mot de passe</translation>
    </message>
    <message>
        <source>The student ID &quot;%1&quot; is already a student of class %2. One ID is one student: to put that student into %3 as well, use tonalyst class enrol --class %3 --user ID; for another student, choose another ID.</source>
        <translation>L&apos;ID d&apos;élève « %1 » est déjà un élève de la classe %2. Un ID est un élève : pour inscrire aussi cet élève dans %3, utilisez tonalyst class enrol --class %3 --user ID ; pour un autre élève, choisissez un autre ID.</translation>
    </message>
    <message>
        <source>There is no student with the ID &quot;%1&quot; to put into a class; make one with tonalyst class add-student.</source>
        <translation>Il n&apos;y a pas d&apos;élève avec l&apos;ID « %1 » à inscrire dans une classe ; créez-le avec tonalyst class add-student.</translation>
    </message>
    <message>
        <source>There is no class named &quot;%1&quot; that you may read.</source>
        <translation>Il n&apos;y a pas de classe nommée « %1 » que vous puissiez lire.</translation>
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
        <translation>    Bilan de la classe pour la période :%1 au %2</translation>
    </message>
    <message>
        <source>    Class : %1</source>
        <translation>    Classe : %1</translation>
    </message>
    <message>
        <source>answers</source>
        <translation>réponses</translation>
    </message>
    <message>
        <source>success</source>
        <translation>succès</translation>
    </message>
    <message>
        <source>sec/ques</source>
        <translation>s/quest.</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>SCORE</translation>
    </message>
    <message>
        <source>spell</source>
        <translation>écrire</translation>
    </message>
    <message>
        <source>identify</source>
        <translation>identif.</translation>
    </message>
    <message>
        <source>ear</source>
        <translation>oreille</translation>
    </message>
    <message>
        <source>intspell</source>
        <translation>int.écr.</translation>
    </message>
    <message>
        <source>intid</source>
        <translation>int.id.</translation>
    </message>
    <message>
        <source>keysig</source>
        <translation>armure</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>dernier</translation>
    </message>
    <message>
        <source>student</source>
        <translation>élève</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>(whole class, %1 students)</source>
        <translation>(toute la classe, %1 élèves)</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>function</source>
        <translation>fonction</translation>
    </message>
    <message>
        <source>prog.</source>
        <translation>enchaîn.</translation>
    </message>
    <message>
        <source>cadence</source>
        <translation>cadence</translation>
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
        <translation>Utilisation : tonalyst [--data-dir DIR]
              tonalyst worksheet [options]   (voir tonalyst worksheet --help)
              tonalyst report [options]      (voir tonalyst report --help)
              tonalyst history [options]     (voir tonalyst history --help)
              tonalyst progress [options]    (voir tonalyst progress --help)
              tonalyst class COMMAND [options] (voir tonalyst class --help)

Tonalyst, votre programme complet d&apos;entraînement en théorie musicale.

Options :
  --data-dir DIR  garder le fichier de données de résultats varen.dat dans DIR
                  (par défaut : le dossier de données de l&apos;utilisateur, ~/.local/share/tonalyst)
  --help          afficher ce texte
  --version       afficher la version

Les options propres à Qt, comme -style NAME, -platform NAME, -display DISPLAY,
-geometry WxH+X+Y et -reverse, sont transmises à Qt.
</translation>
    </message>
    <message>
        <source>tonalyst: %1
Try &apos;tonalyst --help&apos;.
</source>
        <translation>tonalyst : %1
Essayez &apos;tonalyst --help&apos;.
</translation>
    </message>
    <message>
        <source>--data-dir needs a value</source>
        <translation>--data-dir demande une valeur</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 doit être un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 est obligatoire</translation>
    </message>
    <message>
        <source>--last cannot be combined with --from or --to</source>
        <translation>--last ne peut pas être combiné avec --from ou --to</translation>
    </message>
    <message>
        <source>tonalyst %1: %2
Try &apos;tonalyst %1 --help&apos;.
</source>
        <translation>tonalyst %1 : %2
Essayez &apos;tonalyst %1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>DurableFile</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>impossible d&apos;écrire dans %1 : %2</translation>
    </message>
    <message>
        <source>the disk refused to store it</source>
        <translation>le disque a refusé de l&apos;enregistrer</translation>
    </message>
    <message>
        <source>cannot store %1: %2</source>
        <translation>impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>its folder could not be synced</source>
        <translation>son dossier n&apos;a pas pu être synchronisé</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>impossible de supprimer %1 : %2</translation>
    </message>
</context>
<context>
    <name>FactRows</name>
    <message>
        <source>the history is not open</source>
        <translation>l&apos;historique n&apos;est pas ouvert</translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>No folder was given.</source>
        <translation>Aucun dossier n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>Impossible d&apos;écrire dans le dossier %1.</translation>
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
        <translation>Joué : %1</translation>
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
        <translation>Utilisation : tonalyst history --user ID [--data-dir DIR] [--from DATE --to DATE | --last N]
                               [--answers N] (--csv | --json)

Écrit les réponses d&apos;un élève tirées de l&apos;historique des réponses, les plus anciennes d&apos;abord, une ligne chacune.

  --user ID        les réponses de qui
  --data-dir DIR   le dossier de l&apos;historique (par défaut : le dossier de données de l&apos;utilisateur)
  --from DATE      les réponses à partir de ce jour (AAAA-MM-JJ, UTC)
  --to DATE        les réponses jusqu&apos;à ce jour inclus
  --last N         les N derniers jours jusqu&apos;à aujourd&apos;hui (UTC), comme dans toute commande tonalyst
  --answers N      seulement les N dernières réponses de la période (l&apos;ancien sens de --last)
  --csv            une ligne d&apos;en-tête, puis une ligne par réponse (RFC 4180)
  --json           un objet JSON par réponse et par ligne
  --help           ce texte
</translation>
    </message>
    <message>
        <source>%1 must be a date such as 2026-03-01</source>
        <translation>%1 doit être une date comme 2026-03-01</translation>
    </message>
    <message>
        <source>--from is after --to</source>
        <translation>--from est après --to</translation>
    </message>
    <message>
        <source>choose one of --csv and --json</source>
        <translation>choisissez l&apos;une des options --csv et --json</translation>
    </message>
    <message>
        <source>tonalyst history: %1
</source>
        <translation>tonalyst history : %1
</translation>
    </message>
</context>
<context>
    <name>HistorySchema</name>
    <message>
        <source>it was made by a newer version of Tonalyst</source>
        <translation>il a été créé par une version plus récente de Tonalyst</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>the folder %1: %2</source>
        <translation>le dossier %1 : %2</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be read.</source>
        <translation>L&apos;historique des réponses %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be read: %2</source>
        <translation>L&apos;historique des réponses %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be written.</source>
        <translation>L&apos;historique des réponses %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be written: %2</source>
        <translation>L&apos;historique des réponses %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged.</source>
        <translation>L&apos;historique des réponses %1 est endommagé.</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged: %2</source>
        <translation>L&apos;historique des réponses %1 est endommagé : %2</translation>
    </message>
    <message>
        <source>The answer history %1 was made by a newer version of Tonalyst.</source>
        <translation>L&apos;historique des réponses %1 a été créé par une version plus récente de Tonalyst.</translation>
    </message>
    <message>
        <source>The answer history %1 was made by a newer version of Tonalyst: %2</source>
        <translation>L&apos;historique des réponses %1 a été créé par une version plus récente de Tonalyst : %2</translation>
    </message>
    <message>
        <source>The answer history %1 was made by an older version of Tonalyst.</source>
        <translation>L&apos;historique des réponses %1 a été créé par une version plus ancienne de Tonalyst.</translation>
    </message>
    <message>
        <source>The answer history %1 was made by an older version of Tonalyst: %2</source>
        <translation>L&apos;historique des réponses %1 a été créé par une version plus ancienne de Tonalyst : %2</translation>
    </message>
    <message>
        <source>the file does not allow write-ahead logging</source>
        <translation>le fichier ne permet pas la journalisation anticipée (WAL)</translation>
    </message>
    <message>
        <source>start Tonalyst once to bring it up to date</source>
        <translation>lancez Tonalyst une fois pour le mettre à jour</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be renamed aside.</source>
        <translation>L&apos;historique des réponses %1 est endommagé et ne peut pas être renommé pour le mettre de côté.</translation>
    </message>
    <message>
        <source>The answer history %1 was damaged. It has been renamed %2 and a new history has been started.</source>
        <translation>L&apos;historique des réponses %1 était endommagé. Il a été renommé %2 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>the history is not open</source>
        <translation>l&apos;historique n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>il n&apos;est pas ouvert</translation>
    </message>
</context>
<context>
    <name>InKeyMidiFolder</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
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
        <translation>Cadence : %1</translation>
    </message>
    <message>
        <source>Then: %1</source>
        <translation>Puis : %1</translation>
    </message>
</context>
<context>
    <name>IntervalAnswers</name>
    <message>
        <source>Unison : </source>
        <translation>Unisson : </translation>
    </message>
    <message>
        <source>Second :</source>
        <translation>Seconde :</translation>
    </message>
    <message>
        <source>Third :</source>
        <translation>Tierce :</translation>
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
        <translation>Sixte :</translation>
    </message>
    <message>
        <source>Seventh :</source>
        <translation>Septième :</translation>
    </message>
    <message>
        <source>Octave :</source>
        <translation>Octave :</translation>
    </message>
    <message>
        <source>perfect</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>mineure</translation>
    </message>
    <message>
        <source>major</source>
        <translation>majeure</translation>
    </message>
    <message>
        <source>augmented</source>
        <translation>augmentée</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>diminuée</translation>
    </message>
</context>
<context>
    <name>IntervalEarTraining</name>
    <message>
        <source>Inter&amp;val Ear Training</source>
        <translation>Inter&amp;valles à l&apos;oreille</translation>
    </message>
    <message>
        <source>interval ear train</source>
        <translation>intervalles oreille</translation>
    </message>
    <message>
        <source>Interval Ear Training</source>
        <translation>Intervalles à l&apos;oreille</translation>
    </message>
    <message>
        <source>Ear Training : Intervals</source>
        <translation>Oreille : intervalles</translation>
    </message>
    <message>
        <source>Sounded: </source>
        <translation>Joué : </translation>
    </message>
    <message>
        <source>Listen to each interval and name it.</source>
        <translation>Écoutez chaque intervalle et nommez-le.</translation>
    </message>
</context>
<context>
    <name>IntervalGenerator</name>
    <message>
        <source>identify the given interval</source>
        <translation>identifiez l&apos;intervalle donné</translation>
    </message>
    <message>
        <source>perfect</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>major</source>
        <translation>majeure</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>mineure</translation>
    </message>
    <message>
        <source>augmented</source>
        <translation>augmentée</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>diminuée</translation>
    </message>
    <message>
        <source>Unison</source>
        <translation>unisson</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>seconde</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>tierce</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>quarte</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>quinte</translation>
    </message>
    <message>
        <source>Sixth</source>
        <translation>sixte</translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation>septième</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>octave</translation>
    </message>
    <message>
        <source>%1 %2 : above %3</source>
        <translation>%2 %1 au-dessus de %3</translation>
    </message>
    <message>
        <source>%1 %2 : below %3</source>
        <translation>%2 %1 au-dessous de %3</translation>
    </message>
</context>
<context>
    <name>IntervalIdentification</name>
    <message>
        <source>Interval I&amp;dentification</source>
        <translation>Identifier les &amp;intervalles</translation>
    </message>
    <message>
        <source>interval ID</source>
        <translation>identif. intervalles</translation>
    </message>
    <message>
        <source>Interval Identification</source>
        <translation>Identification des intervalles</translation>
    </message>
    <message>
        <source>Notes, lowest first: </source>
        <translation>Notes, de la plus grave : </translation>
    </message>
    <message>
        <source>Name each interval.</source>
        <translation>Nommez chaque intervalle.</translation>
    </message>
</context>
<context>
    <name>IntervalSpelling</name>
    <message>
        <source>Interval S&amp;pelling</source>
        <translation>Écrire les in&amp;tervalles</translation>
    </message>
    <message>
        <source>interval spell</source>
        <translation>écrire intervalles</translation>
    </message>
    <message>
        <source>Interval Spelling</source>
        <translation>Écriture des intervalles</translation>
    </message>
    <message>
        <source>Enter the lower note</source>
        <translation>Saisissez la note inférieure</translation>
    </message>
    <message>
        <source>Enter the upper note</source>
        <translation>Saisissez la note supérieure</translation>
    </message>
    <message>
        <source>%1 below %2</source>
        <translation>%1 sous %2</translation>
    </message>
    <message>
        <source>%1 above %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Write the note that makes each interval with the note given.</source>
        <translation>Écrivez la note qui forme chaque intervalle avec la note donnée.</translation>
    </message>
</context>
<context>
    <name>Inversion</name>
    <message>
        <source>(root position)</source>
        <translation>(état fondamental)</translation>
    </message>
    <message>
        <source>(1st inversion)</source>
        <translation>(premier renversement)</translation>
    </message>
    <message>
        <source>(2nd inversion)</source>
        <translation>(deuxième renversement)</translation>
    </message>
    <message>
        <source>(3rd inversion)</source>
        <translation>(troisième renversement)</translation>
    </message>
</context>
<context>
    <name>InversionAnswers</name>
    <message>
        <source>(root position)</source>
        <translation>(état fondamental)</translation>
    </message>
    <message>
        <source>(1st inversion)</source>
        <translation>(1er renversement)</translation>
    </message>
    <message>
        <source>(2nd inversion)</source>
        <translation>(2e renversement)</translation>
    </message>
    <message>
        <source>(3rd inversion)</source>
        <translation>(3e renversement)</translation>
    </message>
    <message>
        <source>(inversion)</source>
        <translation>(renversement)</translation>
    </message>
</context>
<context>
    <name>KeyAnswers</name>
    <message>
        <source>major :</source>
        <translation>majeur :</translation>
    </message>
    <message>
        <source>minor :</source>
        <translation>mineur :</translation>
    </message>
</context>
<context>
    <name>KeySignatureIdentification</name>
    <message>
        <source>&amp;Key Signature Identification</source>
        <translation>Identifier l&apos;&amp;armure</translation>
    </message>
    <message>
        <source>key signature ID</source>
        <translation>identif. armure</translation>
    </message>
    <message>
        <source>Key Signature Identification</source>
        <translation>Identification des armures</translation>
    </message>
    <message>
        <source>Key signature: no sharps or flats</source>
        <translation>Armure : ni dièses ni bémols</translation>
    </message>
    <message>
        <source>Key signature: </source>
        <translation type="vanished">Armure : </translation>
    </message>
    <message>
        <source>Name the key of each key signature.</source>
        <translation>Nommez la tonalité de chaque armure.</translation>
    </message>
    <message>
        <source>Key signature: 1 sharp</source>
        <translation>Armure : 1 dièse</translation>
    </message>
    <message>
        <source>Key signature: 1 flat</source>
        <translation>Armure : 1 bémol</translation>
    </message>
    <message>
        <source>Key signature: %1 sharps</source>
        <translation>Armure : %1 dièses</translation>
    </message>
    <message>
        <source>Key signature: %1 flats</source>
        <translation>Armure : %1 bémols</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Utility    </source>
        <translation>&amp;Utilitaires    </translation>
    </message>
    <message>
        <source>Performance &amp;Report ....</source>
        <translation>&amp;Rapport de résultats ....</translation>
    </message>
    <message>
        <source>&amp;Progress ...</source>
        <translation>&amp;Progression ...</translation>
    </message>
    <message>
        <source>&amp;Class Server ...</source>
        <translation>Serveur de &amp;classe ...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Réinitiali&amp;ser</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Activity    </source>
        <translation>&amp;Activité    </translation>
    </message>
    <message>
        <source>&amp;Method    </source>
        <translation>&amp;Méthode    </translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Options    </source>
        <translation>&amp;Options    </translation>
    </message>
    <message>
        <source>&amp;Key Settings ....</source>
        <translation>&amp;Tonalités ....</translation>
    </message>
    <message>
        <source>C&amp;hord Settings ....</source>
        <translation>&amp;Accords ....</translation>
    </message>
    <message>
        <source>In&amp;versions ....</source>
        <translation>&amp;Renversements ....</translation>
    </message>
    <message>
        <source>&amp;Interval Selection ...</source>
        <translation>&amp;Intervalles ...</translation>
    </message>
    <message>
        <source>&amp;Ear Training Chord Selection ...</source>
        <translation>Accords à l&apos;&amp;oreille ...</translation>
    </message>
    <message>
        <source>&amp;Clef Selection ...</source>
        <translation>&amp;Clés ...</translation>
    </message>
    <message>
        <source>&amp;Key Signature Display ....</source>
        <translation>Affichage de l&apos;ar&amp;mure ....</translation>
    </message>
    <message>
        <source>&amp;Test Length ....</source>
        <translation>&amp;Longueur du test ....</translation>
    </message>
    <message>
        <source>Favor &amp;Weak Spots</source>
        <translation>Cibler les points &amp;faibles</translation>
    </message>
    <message>
        <source>&amp;Environment   </source>
        <translation>&amp;Environnement   </translation>
    </message>
    <message>
        <source>&amp;Tones off</source>
        <translation>Couper les &amp;sons</translation>
    </message>
    <message>
        <source>&amp;Beep off</source>
        <translation>Couper le &amp;bip</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Auto Shutdown ....</source>
        <translation>&amp;Arrêt automatique ....</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Search for Help on ....</source>
        <translation>&amp;Rechercher dans l&apos;aide ....</translation>
    </message>
    <message>
        <source>Contents                  F1</source>
        <translation>Sommaire                  F1</translation>
    </message>
    <message>
        <source>&amp;Theory Help</source>
        <translation>Aide &amp;théorique</translation>
    </message>
    <message>
        <source>&amp;Program Help</source>
        <translation>Aide du &amp;programme</translation>
    </message>
    <message>
        <source>&amp;About Tonalyst ....</source>
        <translation>À pr&amp;opos de Tonalyst ....</translation>
    </message>
    <message>
        <source>Chords</source>
        <translation>Accords</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalles</translation>
    </message>
    <message>
        <source>Ear Training Chords</source>
        <translation>Accords à l&apos;oreille</translation>
    </message>
    <message>
        <source>keysig</source>
        <translation>Armure</translation>
    </message>
    <message>
        <source>&amp;MIDI Input ...</source>
        <translation>Entrée MI&amp;DI ...</translation>
    </message>
    <message>
        <source>Res&amp;pell Last Note</source>
        <translation>Changer l&apos;en&amp;harmonie de la dernière note</translation>
    </message>
    <message>
        <source>&amp;Language ...</source>
        <translation>Lang&amp;ue ...</translation>
    </message>
</context>
<context>
    <name>NeapolitanGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation>identifiez l&apos;accord donné</translation>
    </message>
    <message>
        <source>the Flat-II (Neapolitan) chord </source>
        <translation>l&apos;accord de sixte napolitaine (IIb) </translation>
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
        <translation>Ré</translation>
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
        <translation>bécarre</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>dièse</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>bémol</translation>
    </message>
    <message>
        <source>double sharp</source>
        <translation>double dièse</translation>
    </message>
    <message>
        <source>double flat</source>
        <translation>double bémol</translation>
    </message>
    <message>
        <source>%1 minor</source>
        <translation>%1 mineur</translation>
    </message>
    <message>
        <source>%1 major</source>
        <translation>%1 majeur</translation>
    </message>
</context>
<context>
    <name>NoteText</name>
    <message>
        <source>is not a note name</source>
        <translation>n&apos;est pas un nom de note</translation>
    </message>
    <message>
        <source>is below the staff</source>
        <translation>est sous la portée</translation>
    </message>
    <message>
        <source>is above the staff</source>
        <translation>est au-dessus de la portée</translation>
    </message>
    <message>
        <source>treble clef</source>
        <translation>clé de sol</translation>
    </message>
    <message>
        <source>bass clef</source>
        <translation>clé de fa</translation>
    </message>
    <message>
        <source>key signature without sharps or flats</source>
        <translation>armure sans dièses ni bémols</translation>
    </message>
    <message>
        <source>key signature of %1 flat</source>
        <translation>armure de %1 bémol</translation>
    </message>
    <message>
        <source>key signature of %1 flats</source>
        <translation>armure de %1 bémols</translation>
    </message>
    <message>
        <source>key signature of %1 sharp</source>
        <translation>armure de %1 dièse</translation>
    </message>
    <message>
        <source>key signature of %1 sharps</source>
        <translation>armure de %1 dièses</translation>
    </message>
    <message>
        <source>no notes</source>
        <translation>aucune note</translation>
    </message>
    <message>
        <source>has no key of its own on the keyboard</source>
        <translation>n&apos;a pas de touche propre sur le clavier</translation>
    </message>
    <message>
        <source>is outside the keyboard&apos;s range</source>
        <translation>est hors de l&apos;étendue du clavier</translation>
    </message>
    <message>
        <source>stands where a note is already entered</source>
        <translation>est à la place d&apos;une note déjà saisie</translation>
    </message>
    <message>
        <source>is one more than the %1 note the question takes</source>
        <translation>est une de plus que la %1 note que demande la question</translation>
    </message>
    <message>
        <source>is one more than the %1 notes the question takes</source>
        <translation>est une de plus que les %1 notes que demande la question</translation>
    </message>
    <message>
        <source>sounds on a key that another spelling already takes</source>
        <translation>sonne sur une touche qu&apos;une autre orthographe occupe déjà</translation>
    </message>
</context>
<context>
    <name>PaperChords</name>
    <message>
        <source>diminished triad</source>
        <translation>accord de quinte diminuée</translation>
    </message>
    <message>
        <source>minor triad</source>
        <translation>accord parfait mineur</translation>
    </message>
    <message>
        <source>major triad</source>
        <translation>accord parfait majeur</translation>
    </message>
    <message>
        <source>augmented triad</source>
        <translation>accord de quinte augmentée</translation>
    </message>
    <message>
        <source>triad</source>
        <translation>accord de trois sons</translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation>accord de septième diminuée</translation>
    </message>
    <message>
        <source>half-diminished seventh</source>
        <translation>accord de septième semi-diminuée</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>accord de septième mineure</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>accord de septième majeure</translation>
    </message>
    <message>
        <source>dominant seventh</source>
        <translation>accord de septième de dominante</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation>accord de septième</translation>
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
        <translation>(joué : %1)</translation>
    </message>
    <message>
        <source>perfect unison</source>
        <translation>unisson juste</translation>
    </message>
    <message>
        <source>minor second</source>
        <translation>seconde mineure</translation>
    </message>
    <message>
        <source>major second</source>
        <translation>seconde majeure</translation>
    </message>
    <message>
        <source>augmented second</source>
        <translation>seconde augmentée</translation>
    </message>
    <message>
        <source>diminished third</source>
        <translation>tierce diminuée</translation>
    </message>
    <message>
        <source>minor third</source>
        <translation>tierce mineure</translation>
    </message>
    <message>
        <source>major third</source>
        <translation>tierce majeure</translation>
    </message>
    <message>
        <source>diminished fourth</source>
        <translation>quarte diminuée</translation>
    </message>
    <message>
        <source>perfect fourth</source>
        <translation>quarte juste</translation>
    </message>
    <message>
        <source>augmented fourth</source>
        <translation>quarte augmentée</translation>
    </message>
    <message>
        <source>diminished fifth</source>
        <translation>quinte diminuée</translation>
    </message>
    <message>
        <source>perfect fifth</source>
        <translation>quinte juste</translation>
    </message>
    <message>
        <source>augmented fifth</source>
        <translation>quinte augmentée</translation>
    </message>
    <message>
        <source>minor sixth</source>
        <translation>sixte mineure</translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation>sixte majeure</translation>
    </message>
    <message>
        <source>augmented sixth</source>
        <translation>sixte augmentée</translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation>septième diminuée</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>septième mineure</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>septième majeure</translation>
    </message>
    <message>
        <source>perfect octave</source>
        <translation>octave juste</translation>
    </message>
</context>
<context>
    <name>PdfWorksheetPrinter</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>PerformanceDataFile</name>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>the records of an interrupted run are still waiting to be added to %1 (%2)</source>
        <translation>les enregistrements d&apos;une exécution interrompue attendent encore d&apos;être ajoutés à %1 (%2)</translation>
    </message>
    <message>
        <source>%1 vanished</source>
        <translation>%1 a disparu</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est absent</translation>
    </message>
    <message>
        <source>the seal of %1 is missing</source>
        <translation>le sceau de %1 est absent</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>no folder could take the records</source>
        <translation>aucun dossier n&apos;a pu recevoir les enregistrements</translation>
    </message>
</context>
<context>
    <name>PgConnection</name>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>stopped by Tonalyst</source>
        <translation>arrêté par Tonalyst</translation>
    </message>
    <message>
        <source>no answer from the server within %1 seconds</source>
        <translation>pas de réponse du serveur en %1 secondes</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>local</source>
        <translation>local</translation>
    </message>
    <message>
        <source>the class server cannot be reached (it may be switched off, or the network is down)</source>
        <translation>le serveur de classe est injoignable (il est peut-être éteint, ou le réseau est coupé)</translation>
    </message>
    <message>
        <source>the class server did not answer in time</source>
        <translation>le serveur de classe n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>the class server did not accept your login (ask your teacher to check your password)</source>
        <translation>le serveur de classe n&apos;a pas accepté votre identifiant (demandez à votre professeur de vérifier votre mot de passe)</translation>
    </message>
    <message>
        <source>the class server refused the answers (ask your teacher to check your class login)</source>
        <translation>le serveur de classe a refusé les réponses (demandez à votre professeur de vérifier votre identifiant de classe)</translation>
    </message>
    <message>
        <source>Tonalyst was closed while sending</source>
        <translation>Tonalyst a été fermé pendant l&apos;envoi</translation>
    </message>
    <message>
        <source>the class server reported a problem</source>
        <translation>le serveur de classe a signalé un problème</translation>
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
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Success rate</source>
        <translation>Taux de réussite</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Secondes par question</translation>
    </message>
    <message>
        <source>Practice success rate</source>
        <translation>Réussite en entraînement</translation>
    </message>
    <message>
        <source>Practice time per question</source>
        <translation>Temps par question en entraînement</translation>
    </message>
    <message>
        <source>Test success rate</source>
        <translation>Réussite en test</translation>
    </message>
    <message>
        <source>Test time per question</source>
        <translation>Temps par question en test</translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation>Graphique %1</translation>
    </message>
    <message>
        <source>Success rate and time per question over the period, practice and test apart. The table below the chart gives every figure.</source>
        <translation>Taux de réussite et temps par question sur la période, entraînement et test séparés. Le tableau sous le graphique donne chaque valeur.</translation>
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
        <translation>Utilisation : tonalyst progress --user ID [--data-dir DIR] [--from DATE --to DATE | --last N] --json

Écrit les chiffres d&apos;Utilitaires &gt; Progression pour une période en un objet JSON : par activité
et par jour (par semaine au-delà de 31 jours) les questions, le taux de réussite et les secondes
par question en entraînement et en test, les points faibles, les confusions et les types de
fautes d&apos;écriture. Les jours sont des jours locaux, comme dans la fenêtre.

  --user ID        les réponses de qui
  --data-dir DIR   le dossier de l&apos;historique (par défaut : le dossier de données de l&apos;utilisateur)
  --last N         les N derniers jours jusqu&apos;à aujourd&apos;hui (par défaut : 30)
  --from DATE      premier jour, comme 2026-05-06 ou 6 May 26 (par défaut avec --to : la
                   première réponse)
  --to DATE        dernier jour (par défaut : aujourd&apos;hui)
  --json           les chiffres en JSON (la seule forme)
  --help           ce texte
</translation>
    </message>
    <message>
        <source>%1 needs a date such as 2026-05-06 or 6 May 26, not &quot;%2&quot;</source>
        <translation>%1 demande une date comme 2026-05-06 ou 6 May 26, pas « %2 »</translation>
    </message>
    <message>
        <source>--from is after --to</source>
        <translation>--from est après --to</translation>
    </message>
    <message>
        <source>tonalyst progress: there is no answer history %1
</source>
        <translation>tonalyst progress : il n&apos;y a pas d&apos;historique des réponses %1
</translation>
    </message>
    <message>
        <source>tonalyst progress: %1
</source>
        <translation>tonalyst progress : %1
</translation>
    </message>
    <message>
        <source>tonalyst progress: the figures could not be written: %1
</source>
        <translation>tonalyst progress : les chiffres n&apos;ont pas pu être écrits : %1
</translation>
    </message>
</context>
<context>
    <name>ProgressDesktop</name>
    <message>
        <source>The answer history %1 cannot be read.</source>
        <translation>L&apos;historique des réponses %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ProgressStatistics</name>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>%1 answered as %2</source>
        <translation>%1 répondu comme %2</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1 : %2 sur %3</translation>
    </message>
    <message>
        <source>%1 heard as %2</source>
        <translation>%1 entendu comme %2</translation>
    </message>
</context>
<context>
    <name>Progressions</name>
    <message>
        <source>Pr&amp;ogressions</source>
        <translation>&amp;Enchaînements</translation>
    </message>
    <message>
        <source>progressions</source>
        <translation>enchaînements</translation>
    </message>
    <message>
        <source>Progressions</source>
        <translation>Enchaînements</translation>
    </message>
    <message>
        <source>Pro&amp;gression Options ...</source>
        <translation>&amp;Enchaînements ...</translation>
    </message>
    <message>
        <source>Ear Training : Progressions</source>
        <translation>Oreille : enchaînements</translation>
    </message>
    <message>
        <source>Listen to the cadence, then name every chord of the progression by its Roman numeral.</source>
        <translation>Écoutez la cadence, puis nommez chaque accord de l&apos;enchaînement par son chiffre romain.</translation>
    </message>
    <message>
        <source>--sevenths, --inverted, --length N or MIN-MAX (chords, 3 to 6, default 3-4)</source>
        <translation>--sevenths, --inverted, --length N ou MIN-MAX (accords, 3 à 6, par défaut 3-4)</translation>
    </message>
</context>
<context>
    <name>QuestionCycle</name>
    <message>
        <source>That is not correct. <byte value="xd"/>
<byte value="xd"/>
Do you want to try again? <byte value="xd"/>
(Choose No to see answer)</source>
        <translation>Ce n&apos;est pas correct. <byte value="xd"/>
<byte value="xd"/>
Voulez-vous réessayer ? <byte value="xd"/>
(Non pour voir la réponse)</translation>
    </message>
    <message>
        <source>Wrong: hit ok for next question</source>
        <translation>Faux : OK pour la question suivante</translation>
    </message>
    <message>
        <source>Good work: hit OK for next question</source>
        <translation>Bravo : OK pour la question suivante</translation>
    </message>
    <message>
        <source>Test Complete.  Hit OK to continue</source>
        <translation>Test terminé.  OK pour continuer</translation>
    </message>
    <message>
        <source>Test complete: Do you wish to review any errors ?</source>
        <translation>Test terminé : voulez-vous revoir vos erreurs ?</translation>
    </message>
    <message>
        <source>The right answer is :</source>
        <translation>La bonne réponse est :</translation>
    </message>
    <message>
        <source>Question # %1</source>
        <translation>Question n° %1</translation>
    </message>
    <message>
        <source>No question can be made with the chosen settings.</source>
        <translation>Aucune question ne peut être créée avec les réglages choisis.</translation>
    </message>
    <message>
        <source>enter  %1</source>
        <translation>saisir  %1</translation>
    </message>
    <message>
        <source>Your answer is ...</source>
        <translation>Votre réponse est ...</translation>
    </message>
    <message>
        <source>No errors to check</source>
        <translation>Aucune erreur à revoir</translation>
    </message>
    <message>
        <source>Make corrections and press OK</source>
        <translation>Corrigez et appuyez sur OK</translation>
    </message>
    <message>
        <source>Still wrong: the right answer is :</source>
        <translation>Toujours faux : la bonne réponse est :</translation>
    </message>
    <message>
        <source>You got it this time: hit ok to review next question</source>
        <translation>Réussi cette fois : OK pour l&apos;erreur suivante</translation>
    </message>
    <message>
        <source>Your answer was ...</source>
        <translation>Votre réponse était ...</translation>
    </message>
    <message>
        <source>Question # %1 was...</source>
        <translation>La question n° %1 était...</translation>
    </message>
    <message>
        <source>No More errors to check</source>
        <translation>Plus d&apos;erreurs à revoir</translation>
    </message>
</context>
<context>
    <name>QuestionMaker</name>
    <message>
        <source>identify the given MINOR key</source>
        <translation>identifier la tonalité MINEURE donnée</translation>
    </message>
    <message>
        <source>identify the given MAJOR key</source>
        <translation>identifier la tonalité MAJEURE donnée</translation>
    </message>
</context>
<context>
    <name>RecordMessages</name>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.</source>
        <translation>Modification non autorisée de Varen.dat détectée.  Le suivi des données et les rapports ont été désactivés.  Renommez ou supprimez Varen.dat pour rétablir ces fonctions.</translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They could not be saved anywhere else either and are lost.</source>
        <translation>Les résultats de cette session n&apos;ont pas pu être écrits dans %1 (%2).  Ils n&apos;ont pu être enregistrés nulle part ailleurs et sont perdus.</translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They were saved in %3 instead.</source>
        <translation>Les résultats de cette session n&apos;ont pas pu être écrits dans %1 (%2).  Ils ont été enregistrés dans %3 à la place.</translation>
    </message>
    <message>
        <source>The performance records of this run could not be written to %1 (%2).  They are kept safe and will be added to it when Tonalyst next starts.</source>
        <translation>Les résultats de cette session n&apos;ont pas pu être écrits dans %1 (%2).  Ils sont conservés en lieu sûr et y seront ajoutés au prochain démarrage de Tonalyst.</translation>
    </message>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.  The records of this run could not be saved elsewhere either and are lost.</source>
        <translation>Modification non autorisée de Varen.dat détectée.  Le suivi des données et les rapports ont été désactivés.  Renommez ou supprimez Varen.dat pour rétablir ces fonctions.  Les enregistrements de cette session n&apos;ont pu être enregistrés nulle part ailleurs et sont perdus.</translation>
    </message>
    <message>
        <source>Unauthorized modification of Varen.dat detected.  Data tracking and report functions have been disabled.  You must rename or delete Varen.dat to restore these functions.  The records of this run were saved in %1.</source>
        <translation>Modification non autorisée de Varen.dat détectée.  Le suivi des données et les rapports ont été désactivés.  Renommez ou supprimez Varen.dat pour rétablir ces fonctions.  Les enregistrements de cette session ont été enregistrés dans %1.</translation>
    </message>
    <message>
        <source>The records of a run that was cut short could not be added to %1 because the file has been changed since.  They were saved in %2.</source>
        <translation>Les enregistrements d&apos;une session interrompue n&apos;ont pas pu être ajoutés à %1, car le fichier a été modifié depuis.  Ils ont été enregistrés dans %2.</translation>
    </message>
    <message>
        <source>Tonalyst cannot keep performance records in %1 (%2).  The records of your runs will be saved elsewhere where possible.</source>
        <translation>Tonalyst ne peut pas conserver de résultats dans %1 (%2).  Les enregistrements de vos sessions seront enregistrés ailleurs si possible.</translation>
    </message>
</context>
<context>
    <name>RecordParser</name>
    <message>
        <source>The line has more than nine fields.</source>
        <translation>La ligne a plus de neuf champs.</translation>
    </message>
    <message>
        <source>A quoted text is not closed.</source>
        <translation>Un texte entre guillemets n&apos;est pas fermé.</translation>
    </message>
    <message>
        <source>A date is not closed.</source>
        <translation>Une date n&apos;est pas fermée.</translation>
    </message>
    <message>
        <source>Field %1 goes on after its closing quote.</source>
        <translation>Le champ %1 continue après son guillemet fermant.</translation>
    </message>
    <message>
        <source>Field %1 goes on after its closing number sign.</source>
        <translation>Le champ %1 continue après son dièse fermant.</translation>
    </message>
    <message>
        <source>Field %1 holds a stray quote or number sign.</source>
        <translation>Le champ %1 contient un guillemet ou un dièse isolé.</translation>
    </message>
    <message>
        <source>a text in double quotes</source>
        <translation>un texte entre guillemets doubles</translation>
    </message>
    <message>
        <source>a date such as #1998-05-12#</source>
        <translation>une date comme #1998-05-12#</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>La ligne dépasse %1 octets.</translation>
    </message>
    <message>
        <source>The line is empty.</source>
        <translation>La ligne est vide.</translation>
    </message>
    <message>
        <source>The line holds control characters or binary data.</source>
        <translation>La ligne contient des caractères de contrôle ou des données binaires.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>La ligne n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The line has %1 fields instead of nine.</source>
        <translation>La ligne a %1 champs au lieu de neuf.</translation>
    </message>
    <message>
        <source>Field %1 should be %2.</source>
        <translation>Le champ %1 devrait être %2.</translation>
    </message>
    <message>
        <source>Field 2 is not a real date such as #1998-05-12#.</source>
        <translation>Le champ 2 n&apos;est pas une date réelle comme #1998-05-12#.</translation>
    </message>
    <message>
        <source>Field %1 should be a whole number.</source>
        <translation>Le champ %1 devrait être un nombre entier.</translation>
    </message>
</context>
<context>
    <name>RecordsLock</name>
    <message>
        <source>cannot create the lock file %1</source>
        <translation>impossible de créer le fichier de verrou %1</translation>
    </message>
    <message>
        <source>another Tonalyst keeps the data file locked</source>
        <translation>un autre Tonalyst garde le fichier de données verrouillé</translation>
    </message>
</context>
<context>
    <name>ReportBytes</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file was cut short while it was read</source>
        <translation>le fichier a été tronqué pendant sa lecture</translation>
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
        <translation>Utilisation : tonalyst report --user ID [options]

Établit un rapport de résultats à partir d&apos;un fichier de données, comme Utilitaires &gt; Rapport de résultats.

Options :
  --user ID         l&apos;utilisateur du rapport (obligatoire)
  --data FILE       le fichier de données (par défaut : varen.dat dans le dossier de données)
  --data-dir DIR    le dossier de données (par défaut : ~/.local/share/tonalyst)
  --last N          les N derniers jours jusqu&apos;à aujourd&apos;hui, 1 à 31 (par défaut : 7)
  --from DATE       premier jour, comme 1998-05-06 ou 6 May 98 (avec --to : le dernier jour,
                    aujourd&apos;hui par défaut)
  --to DATE
  --type TYPE       test, practice, both ou composite (par défaut : composite)
  --pdf FILE        imprimer le rapport dans un fichier PDF au lieu de l&apos;afficher
  --help            afficher ce texte
</translation>
    </message>
    <message>
        <source>--type must be one of test, practice, both or composite</source>
        <translation>--type doit être test, practice, both ou composite</translation>
    </message>
</context>
<context>
    <name>ReportCompiler</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>no file is open</source>
        <translation>aucun fichier n&apos;est ouvert</translation>
    </message>
    <message>
        <source>line %1: The line is longer than %2 bytes.</source>
        <translation>ligne %1 : La ligne dépasse %2 octets.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>ReportDesktop</name>
    <message>
        <source>Choose File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>data files (*.dat);;All files (*)</source>
        <translation>fichiers de données (*.dat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Performance Report as PDF</source>
        <translation>Enregistrer le rapport de résultats en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
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
        <translation>    essais d&apos;écriture</translation>
    </message>
    <message>
        <source>   spelling</source>
        <translation>   écriture</translation>
    </message>
    <message>
        <source>    identification attempts</source>
        <translation>    essais d&apos;identif.</translation>
    </message>
    <message>
        <source>   identify</source>
        <translation>   identif.</translation>
    </message>
    <message>
        <source>    ear train attempts</source>
        <translation>    essais à l&apos;oreille</translation>
    </message>
    <message>
        <source>   ear train</source>
        <translation>   oreille</translation>
    </message>
    <message>
        <source>    total attempts</source>
        <translation>    total des essais</translation>
    </message>
    <message>
        <source>   total</source>
        <translation>   total</translation>
    </message>
    <message>
        <source>    with inversions on</source>
        <translation>    avec renversements</translation>
    </message>
    <message>
        <source>   inversion on</source>
        <translation>   avec renv.</translation>
    </message>
    <message>
        <source>    # of successes</source>
        <translation>    nombre de réussites</translation>
    </message>
    <message>
        <source>   successes</source>
        <translation>   réussites</translation>
    </message>
    <message>
        <source>    success rate</source>
        <translation>    taux de réussite</translation>
    </message>
    <message>
        <source>   success %</source>
        <translation>   réussite %</translation>
    </message>
    <message>
        <source>    avg time/ques (sec)</source>
        <translation>    temps moy./quest. (s)</translation>
    </message>
    <message>
        <source>   avg time/q</source>
        <translation>   t. moy./q.</translation>
    </message>
    <message>
        <source>    avg # sharp/flat</source>
        <translation>    nb moyen d&apos;altér.</translation>
    </message>
    <message>
        <source>   avg shrp/flt</source>
        <translation>   moy. alt.</translation>
    </message>
    <message>
        <source>    SCORE</source>
        <translation>    SCORE</translation>
    </message>
    <message>
        <source>   SCORE</source>
        <translation>   SCORE</translation>
    </message>
    <message>
        <source>Triad</source>
        <translation>3 sons</translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation>Septième</translation>
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
        <translation>6te aug.</translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation>IIb</translation>
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
        <translation>Armure</translation>
    </message>
    <message>
        <source>OVERALL</source>
        <translation>GLOBAL</translation>
    </message>
    <message>
        <source>    Performance Report for period :%1 to %2</source>
        <translation>    Rapport de résultats pour la période :%1 au %2</translation>
    </message>
    <message>
        <source>User ID : %1</source>
        <translation>ID utilisateur : %1</translation>
    </message>
    <message>
        <source>    WARNING: THE SOURCE DATA FILE HAS NO SECURITY APPROVAL</source>
        <translation>    ATTENTION : LE FICHIER DE DONNÉES SOURCE N&apos;A PAS D&apos;APPROBATION DE SÉCURITÉ</translation>
    </message>
    <message>
        <source>    Report Type : %1</source>
        <translation>    Type de rapport : %1</translation>
    </message>
    <message>
        <source>    Data Source File : %1</source>
        <translation>    Fichier de données source : %1</translation>
    </message>
    <message>
        <source>    Method reported on : %1</source>
        <translation>    Méthode du rapport : %1</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>entraînement</translation>
    </message>
    <message>
        <source>both</source>
        <translation>les deux</translation>
    </message>
    <message>
        <source>composite</source>
        <translation>combiné</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>There is a problem with the chosen file.  Be sure to choose a file which was created by Tonalyst<byte value="xd"/>
<byte value="xd"/>
(Tonalyst automatically creates a file named Varen.dat in the Tonalyst application directory).</source>
        <translation>Le fichier choisi pose un problème.  Choisissez bien un fichier créé par Tonalyst<byte value="xd"/>
<byte value="xd"/>
(Tonalyst crée automatiquement un fichier nommé Varen.dat dans le répertoire de l&apos;application Tonalyst).</translation>
    </message>
    <message>
        <source>Invalid Start Date</source>
        <translation>Date de début invalide</translation>
    </message>
    <message>
        <source>Invalid End Date</source>
        <translation>Date de fin invalide</translation>
    </message>
    <message>
        <source>Start Date must preceed End Date</source>
        <translation>La date de début doit précéder la date de fin</translation>
    </message>
    <message>
        <source>%1 now contains  %2 records.  This may cause excessive i/o time during report compilation.  <byte value="xd"/>
<byte value="xd"/>
You should soon archive (ie. rename) varen.dat.  The program will then automatically start a new data file called varen.dat.</source>
        <translation>%1 contient maintenant  %2 enregistrements.  Cela peut beaucoup ralentir la création des rapports.  <byte value="xd"/>
<byte value="xd"/>
Vous devriez bientôt archiver (c.-à-d. renommer) varen.dat.  Le programme créera alors automatiquement un nouveau fichier de données nommé varen.dat.</translation>
    </message>
    <message>
        <source>You must set page orientation to &quot;Landscape&quot;<byte value="xd"/>
<byte value="xd"/>
See Windows printer settings</source>
        <translation>Vous devez régler l&apos;orientation de la page sur « Paysage »<byte value="xd"/>
<byte value="xd"/>
Voir les paramètres d&apos;impression de Windows</translation>
    </message>
    <message>
        <source>Error occurred during report generation.  Please consult HELP</source>
        <translation>Une erreur s&apos;est produite pendant la création du rapport.  Veuillez consulter l&apos;AIDE</translation>
    </message>
    <message>
        <source>     Now creating report.  </source>
        <translation>     Création du rapport.  </translation>
    </message>
    <message>
        <source>     Please wait ....</source>
        <translation>     Veuillez patienter ....</translation>
    </message>
    <message>
        <source>     Now printing report.  </source>
        <translation>     Impression du rapport.  </translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>Performance Report</source>
        <translation>Rapport de résultats</translation>
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
        <translation>De&amp;grés</translation>
    </message>
    <message>
        <source>scale degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Scale Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Scale &amp;Degree Options ...</source>
        <translation>De&amp;grés ...</translation>
    </message>
    <message>
        <source>Ear Training : Scale Degrees</source>
        <translation>Oreille : degrés</translation>
    </message>
    <message>
        <source>Listen to the cadence, then name the scale degree of each note.</source>
        <translation>Écoutez la cadence, puis nommez le degré de chaque note.</translation>
    </message>
    <message>
        <source>--chromatic (chromatic degrees too), --group N (1 to 4 notes a question, default 1), --solfege (answer key in movable do), --la-minor (with --solfege: la-based minor)</source>
        <translation>--chromatic (degrés chromatiques aussi), --group N (1 à 4 notes par question, par défaut 1), --solfege (corrigé en solfège relatif), --la-minor (avec --solfege : mineur sur la)</translation>
    </message>
</context>
<context>
    <name>SeventhGenerator</name>
    <message>
        <source>identify the given seventh chord</source>
        <translation>identifiez l&apos;accord de septième donné</translation>
    </message>
    <message>
        <source>the %1 chord </source>
        <translation>l&apos;accord de %1 </translation>
    </message>
</context>
<context>
    <name>SpellingErrors</name>
    <message>
        <source>Right pitch, wrong spelling</source>
        <translation>Bonne hauteur, mauvaise orthographe</translation>
    </message>
    <message>
        <source>Wrong accidental on the right letter</source>
        <translation>Mauvaise altération sur la bonne lettre</translation>
    </message>
    <message>
        <source>Wrong chord member</source>
        <translation>Mauvaise note de l&apos;accord</translation>
    </message>
    <message>
        <source>Wrong note</source>
        <translation>Mauvaise note</translation>
    </message>
    <message>
        <source>Missing note</source>
        <translation>Note manquante</translation>
    </message>
    <message>
        <source>Extra note</source>
        <translation>Note en trop</translation>
    </message>
    <message>
        <source>Right note, wrong octave</source>
        <translation>Bonne note, mauvaise octave</translation>
    </message>
    <message>
        <source>Answer not readable as notes</source>
        <translation>Réponse illisible en tant que notes</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 au lieu de %2</translation>
    </message>
    <message>
        <source>%1 in another octave</source>
        <translation>%1 dans une autre octave</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1<byte value="xd"/>
Tonalyst cannot keep your performance records there and will close. Choose another folder with --data-dir.</source>
        <translation>%1<byte value="xd"/>
Tonalyst ne peut pas y conserver vos résultats et va se fermer. Choisissez un autre dossier avec --data-dir.</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Time per Ques</source>
        <translation>Temps par quest.</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Réussites</translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation>Taux de réussite</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>SCORE</translation>
    </message>
</context>
<context>
    <name>TriadGenerator</name>
    <message>
        <source>identify the given chord</source>
        <translation>identifiez l&apos;accord donné</translation>
    </message>
    <message>
        <source>the %1 chord </source>
        <translation>l&apos;accord de %1 </translation>
    </message>
</context>
<context>
    <name>UserIdCheck</name>
    <message>
        <source>You must enter a user id</source>
        <translation>Vous devez saisir un ID utilisateur</translation>
    </message>
    <message>
        <source>A user id cannot contain quotation marks, commas or control characters. Please use letters and digits.</source>
        <translation>Un ID utilisateur ne peut pas contenir de guillemets, de virgules ni de caractères de contrôle. Utilisez des lettres et des chiffres.</translation>
    </message>
</context>
<context>
    <name>WeakSpotHistory</name>
    <message>
        <source>there is no answer history at %1, so the weak spots are not known</source>
        <translation>il n&apos;y a pas d&apos;historique des réponses dans %1, les points faibles ne sont donc pas connus</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>no writable question found in the key of %1</source>
        <translation>aucune question écrivable trouvée dans la tonalité de %1</translation>
    </message>
    <message>
        <source>Tonalyst worksheet: %1 (seed %2)</source>
        <translation>Fiche d&apos;exercices Tonalyst : %1 (graine %2)</translation>
    </message>
    <message>
        <source>Tonalyst worksheet: %1</source>
        <translation>Fiche d&apos;exercices Tonalyst : %1</translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>this build cannot read the answer history</source>
        <translation>cette version ne peut pas lire l&apos;historique des réponses</translation>
    </message>
    <message>
        <source>this build cannot write PDF files</source>
        <translation>cette version ne peut pas écrire de fichiers PDF</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>this build cannot draw questions heard in a key</source>
        <translation>cette version ne sait pas tirer de questions entendues dans une tonalité</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>En %1 : %2</translation>
    </message>
</context>
<context>
    <name>WorksheetOptions</name>
    <message>
        <source>You must select at least one chord</source>
        <translation>Vous devez choisir au moins un accord</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied dominant list.</source>
        <translation>L&apos;application au VII n&apos;existe qu&apos;en mineur. Vous devez faire au moins un autre choix dans la liste des dominantes secondaires.</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied leading tone  list.</source>
        <translation>L&apos;application au VII n&apos;existe qu&apos;en mineur. Vous devez faire au moins un autre choix dans la liste des sensibles secondaires.</translation>
    </message>
    <message>
        <source>--intervals must be common or advanced</source>
        <translation>--intervals doit être common ou advanced</translation>
    </message>
    <message>
        <source>--interval-notes must be keys or all</source>
        <translation>--interval-notes doit être keys ou all</translation>
    </message>
    <message>
        <source>--ear-chords must be triads, sevenths or both</source>
        <translation>--ear-chords doit être triads, sevenths ou both</translation>
    </message>
    <message>
        <source>Option not allowed for ear training</source>
        <translation>Option non permise pour l&apos;entraînement de l&apos;oreille</translation>
    </message>
    <message>
        <source>--intervals advanced precludes --interval-notes all</source>
        <translation>--intervals advanced exclut --interval-notes all</translation>
    </message>
    <message>
        <source>unknown key box &apos;%1&apos; in --keys</source>
        <translation>case de tonalité inconnue &apos;%1&apos; dans --keys</translation>
    </message>
    <message>
        <source>--mode must be major, minor or both</source>
        <translation>--mode doit être major, minor ou both</translation>
    </message>
    <message>
        <source>You must select at least one key</source>
        <translation>Vous devez choisir au moins une tonalité</translation>
    </message>
    <message>
        <source>unknown chord box &apos;%1&apos; in --chords</source>
        <translation>case d&apos;accord inconnue &apos;%1&apos; dans --chords</translation>
    </message>
    <message>
        <source>--mixture takes triads, sevenths or both, comma-separated</source>
        <translation>--mixture prend triads, sevenths ou les deux, séparés par des virgules</translation>
    </message>
    <message>
        <source>--count must be a whole number from 1 to 100000</source>
        <translation>--count doit être un nombre entier de 1 à 100000</translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0 to 4294967295</source>
        <translation>--seed doit être un nombre entier de 0 à 4294967295</translation>
    </message>
    <message>
        <source>--inversions must be off, basic or figured</source>
        <translation>--inversions doit être off, basic ou figured</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf demande un nom de fichier</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter</source>
        <translation>--paper doit être a4 ou letter</translation>
    </message>
    <message>
        <source>--user needs a user ID</source>
        <translation>--user demande un ID utilisateur</translation>
    </message>
    <message>
        <source>--data-dir needs a folder</source>
        <translation>--data-dir demande un dossier</translation>
    </message>
    <message>
        <source>--clef must be treble, bass or random</source>
        <translation>--clef doit être treble, bass ou random</translation>
    </message>
    <message>
        <source>--key-display must be written, symbolic or both</source>
        <translation>--key-display doit être written, symbolic ou both</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>--paper needs --pdf</source>
        <translation>--paper demande --pdf</translation>
    </message>
    <message>
        <source>--pdf and --json cannot be combined</source>
        <translation>--pdf et --json ne peuvent pas être combinés</translation>
    </message>
    <message>
        <source>--favor-weak-spots needs --user</source>
        <translation>--favor-weak-spots demande --user</translation>
    </message>
    <message>
        <source>--user and --data-dir go with --favor-weak-spots</source>
        <translation>--user et --data-dir vont avec --favor-weak-spots</translation>
    </message>
    <message>
        <source>%1 does not go with --activity %2</source>
        <translation>%1 ne va pas avec --activity %2</translation>
    </message>
    <message>
        <source>--la-minor goes with --solfege</source>
        <translation>--la-minor va avec --solfege</translation>
    </message>
    <message>
        <source>--tempo must be a whole number from 40 to 160</source>
        <translation>--tempo doit être un nombre entier de 40 à 160</translation>
    </message>
    <message>
        <source>--accidentals must be a whole number from 0 to 7</source>
        <translation>--accidentals doit être un nombre entier de 0 à 7</translation>
    </message>
    <message>
        <source>--group must be a whole number from 1 to 4</source>
        <translation>--group doit être un nombre entier de 1 à 4</translation>
    </message>
    <message>
        <source>--length must be a number of chords from 3 to 6, or two such as 3-5</source>
        <translation>--length doit être un nombre d&apos;accords de 3 à 6, ou deux comme 3-5</translation>
    </message>
    <message>
        <source>--midi needs a folder</source>
        <translation>--midi demande un dossier</translation>
    </message>
    <message>
        <source>--midi and --json cannot be combined</source>
        <translation>--midi et --json ne peuvent pas être combinés</translation>
    </message>
    <message>
        <source>--activity must be %1 or %2</source>
        <translation>--activity doit être %1 ou %2</translation>
    </message>
</context>
<context>
    <name>WorksheetUsage</name>
    <message>
        <source>what to ask (default %1): %2; heard in a key: %3 (see below)</source>
        <translation>ce qui est demandé (par défaut %1) : %2 ; entendu dans une tonalité : %3 (voir plus bas)</translation>
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
        <translation>Utilisation : tonalyst worksheet [options]

Imprime une fiche de questions d&apos;exercice avec un corrigé à la fin.

%1
  --count N          nombre de questions, 1 à 100000 (par défaut 10)
  --seed S           la même graine donne les mêmes questions (par défaut : une nouvelle)
  --keys LIST        cases de tonalité où puiser, séparées par des virgules : une paire comme
                     C/a, E-flat/c, F-sharp/d-sharp, ou l&apos;une des tonalités d&apos;une paire
                     (B-flat, g) ; ou all. Par défaut : celles des réglages de tonalité.
  --mode major|minor|both   quelles tonalités des cases sont demandées (par défaut both)
  --chords LIST      cases d&apos;accords, séparées par des virgules, chacune groupe:index ou un groupe entier :
                       triad:0..6     I, ii, iii, IV, V, vi, vii-dim
                       seventh:0..5   ii7, iii7, IV-maj7, V7, vi7, vii-half-dim7
                       vof:0..6       V7 de Flat-II, ii, iii, IV, V, vi, VII (mineur seulement)
                       viiof:0..5     vii-dim7 de ii, iii, IV, V, vi, VII (mineur seulement)
                       aug6:0..2      italienne, française, allemande
                       flat2          la sixte napolitaine
                     p. ex. triad:0,triad:4,seventh:3,vof:4,aug6:2,flat2 ; ou all.
                     Par défaut : les sept accords de trois sons.
  --mixture LIST     triads, sevenths ou triads,sevenths : emprunt modal activé
  --inversions off|basic|figured   renversements au hasard et leur notation (par défaut off)
  --intervals common|advanced   quels intervalles sont demandés (par défaut common) ;
                     l&apos;oreille ne demande que les intervalles courants
  --interval-notes keys|all   notes inférieures tirées des tonalités majeures choisies, ou
                     toute note de C à A avec bémol, bécarre ou dièse (par défaut keys) ;
                     all exclut les intervalles avancés
  --ear-chords triads|sevenths|both   accords de l&apos;oreille (par défaut triads)
  --json             un objet JSON par question et par ligne au lieu de la fiche
  --pdf FILE         écrire la fiche en PDF à imprimer : chaque question avec sa portée,
                     plusieurs par page, le corrigé sur la dernière page
  --paper a4|letter  le format de papier du PDF (par défaut a4)
  --clef treble|bass|random   la clé des portées du PDF (par défaut random)
  --key-display written|symbolic|both   comment les questions d&apos;identification du PDF
                     montrent la tonalité : en toutes lettres, par une armure sur la
                     portée, ou les deux (par défaut written)
  --favor-weak-spots --user ID [--data-dir DIR]   tirer davantage de ce que l&apos;élève ID a
                     récemment manqué, comme Cibler les points faibles en entraînement,
                     d&apos;après l&apos;historique des réponses dans DIR (par défaut : le dossier
                     de données de l&apos;utilisateur) ; toujours parmi les tonalités et accords choisis
  --help             ce texte

Questions entendues dans une tonalité (une cadence installe la tonalité, puis les notes ou accords sonnent) :
  --mode major|minor|both   le mode des tonalités (par défaut major)
  --accidentals N    tonalités d&apos;au plus N dièses ou bémols, 0 à 7 (par défaut 2, ou
                     n&apos;importe quel nombre quand --keys nomme les tonalités)
  --tempo N          noires par minute, 40 à 160 (par défaut 80) : les accords durent une
                     blanche, les notes seules une noire
  --midi DIR         écrire chaque question dans un fichier MIDI, DIR/question-01.mid et
                     suivants (la cadence, un temps de silence, la question), et le corrigé
                     dans DIR/answers.txt, au lieu de la fiche ; DIR est créé s&apos;il manque
%2
Les options des autres activités (--chords, --inversions, --pdf, ...) sont refusées avec
celles-ci, et celles-ci avec les autres.

Les cases de tonalité et d&apos;accord et les choix d&apos;intervalles sont vérifiés comme dans
les dialogues de réglages ; un choix refusé, comme toute mauvaise option, finit avec le code de sortie 2.

Une ligne --json d&apos;une question entendue dans une tonalité porte &quot;activity&quot;, &quot;key&quot; (&quot;D major&quot;),
&quot;mode&quot;, &quot;cadence&quot; et &quot;played&quot; (chaque accord une liste de notes comme &quot;F#4&quot;, la plus grave
d&apos;abord) et &quot;answer&quot; (les noms dans l&apos;ordre : &quot;3&quot;, &quot;♭6&quot;, &quot;V65/V&quot;, &quot;half&quot;).

Les lignes d&apos;intervalles et d&apos;oreille de --json portent aussi &quot;interval&quot; (ses libellés
&quot;name&quot; et &quot;quality&quot;, ou null pour les accords) et &quot;direction&quot; (&quot;above&quot; : la note 1 est donnée
et les notes sonnent en montant ; &quot;below&quot; : la note 2 est donnée et elles sonnent en descendant).
</translation>
    </message>
</context>
<context>
    <name>tonalyst::AboutDialog</name>
    <message>
        <source>About Tonalyst ...</source>
        <translation>À propos de Tonalyst ...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>your complete music theory fitness program</source>
        <translation>votre programme complet d&apos;entraînement en théorie musicale</translation>
    </message>
    <message>
        <source>Drills in key signatures, intervals and chords, written and by ear, with practice and test runs and performance reports.</source>
        <translation>Exercices sur les armures, les intervalles et les accords, à l&apos;écrit et à l&apos;oreille, avec entraînement, tests et rapports de résultats.</translation>
    </message>
    <message>
        <source>Tones are played by a software synthesizer from a General MIDI soundfont installed on this computer.</source>
        <translation>Les sons sont joués par un synthétiseur logiciel avec une banque de sons General MIDI installée sur cet ordinateur.</translation>
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
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Accord</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Semaine du</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Practice
questions</source>
        <translation>Questions
entraînement</translation>
    </message>
    <message>
        <source>Practice
success</source>
        <translation>Réussite
entraînement</translation>
    </message>
    <message>
        <source>Practice time
per question</source>
        <translation>Temps/question
entraînement</translation>
    </message>
    <message>
        <source>Test
questions</source>
        <translation>Questions
test</translation>
    </message>
    <message>
        <source>Test
success</source>
        <translation>Réussite
test</translation>
    </message>
    <message>
        <source>Test time
per question</source>
        <translation>Temps/question
test</translation>
    </message>
    <message>
        <source>%1: success rate and time per question by week</source>
        <translation>%1 : taux de réussite et temps par question par semaine</translation>
    </message>
    <message>
        <source>%1: success rate and time per question by day</source>
        <translation>%1 : taux de réussite et temps par question par jour</translation>
    </message>
    <message>
        <source>No questions in this period.</source>
        <translation>Aucune question sur cette période.</translation>
    </message>
    <message>
        <source>Weak spot</source>
        <translation>Point faible</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>%1: weak spots</source>
        <translation>%1 : points faibles</translation>
    </message>
    <message>
        <source>No errors in this period.</source>
        <translation>Aucune erreur sur cette période.</translation>
    </message>
    <message>
        <source>Kind of mistake</source>
        <translation>Type de faute</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Faute</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>%1: kinds of mistake</source>
        <translation>%1 : types de faute</translation>
    </message>
    <message>
        <source>Confusion</source>
        <translation>Confusion</translation>
    </message>
    <message>
        <source>Of</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>%1: confusions</source>
        <translation>%1 : confusions</translation>
    </message>
    <message>
        <source>No mistakes to tell apart in this period.</source>
        <translation>Aucune faute à distinguer sur cette période.</translation>
    </message>
    <message>
        <source>No confusions in this period.</source>
        <translation>Aucune confusion sur cette période.</translation>
    </message>
    <message>
        <source>Weak spots</source>
        <translation>Points faibles</translation>
    </message>
    <message>
        <source>Kinds of mistake</source>
        <translation>Types de faute</translation>
    </message>
    <message>
        <source>Confusions</source>
        <translation>Confusions</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Degré</translation>
    </message>
    <message>
        <source>Cadence</source>
        <translation>Cadence</translation>
    </message>
</context>
<context>
    <name>tonalyst::AutoQuitDialog</name>
    <message>
        <source>Options: Auto Exit</source>
        <translation>Options : arrêt automatique</translation>
    </message>
    <message>
        <source>Shutdown After Idle Period:</source>
        <translation>Arrêt après inactivité de :</translation>
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
        <translation>Jamais</translation>
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
        <translation>Options : cadences</translation>
    </message>
    <message>
        <source>Cadences Named</source>
        <translation>Cadences nommées</translation>
    </message>
    <message>
        <source>perfect and imperfect authentic cadences told apart</source>
        <translation>cadences parfaites et imparfaites distinguées</translation>
    </message>
    <message>
        <source>Phrygian half cadences in minor keys</source>
        <translation>demi-cadences phrygiennes dans les tonalités mineures</translation>
    </message>
</context>
<context>
    <name>tonalyst::ChordFunctionOptionsDialog</name>
    <message>
        <source>Options: Chord Functions</source>
        <translation>Options : fonctions des accords</translation>
    </message>
    <message>
        <source>Chords Played Besides the Triads of the Key</source>
        <translation>Accords joués en plus des accords de trois sons de la tonalité</translation>
    </message>
    <message>
        <source>seventh chords (V7, ii7, vii°7 ...)</source>
        <translation>accords de septième (V7, ii7, vii°7 ...)</translation>
    </message>
    <message>
        <source>inversions (I6, V65, ii42 ...)</source>
        <translation>renversements (I6, V65, ii42 ...)</translation>
    </message>
    <message>
        <source>applied chords (V/V, V7/ii, vii°7/V ...)</source>
        <translation>dominantes secondaires (V/V, V7/ii, vii°7/V ...)</translation>
    </message>
    <message>
        <source>mixture in major keys (♭III, ♭VI, ♭VII, iv)</source>
        <translation>emprunts au mineur dans les tonalités majeures (♭III, ♭VI, ♭VII, iv)</translation>
    </message>
    <message>
        <source>Neapolitan sixth (N6)</source>
        <translation>sixte napolitaine (N6)</translation>
    </message>
</context>
<context>
    <name>tonalyst::ChordSettingsDialog</name>
    <message>
        <source>You must select at least one chord</source>
        <translation>Vous devez choisir au moins un accord</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied dominant list.</source>
        <translation>L&apos;application au VII n&apos;existe qu&apos;en mineur. Vous devez faire au moins un autre choix dans la liste des dominantes secondaires.</translation>
    </message>
    <message>
        <source>Can apply to VII only in minor.You must make at least one more selection from the applied leading tone  list.</source>
        <translation>L&apos;application au VII n&apos;existe qu&apos;en mineur. Vous devez faire au moins un autre choix dans la liste des sensibles secondaires.</translation>
    </message>
    <message>
        <source>Mixture On</source>
        <translation>Emprunt modal</translation>
    </message>
    <message>
        <source>Options: Chord Settings</source>
        <translation>Options : réglages des accords</translation>
    </message>
    <message>
        <source>Triads</source>
        <translation>Accords de 3 sons</translation>
    </message>
    <message>
        <source>Sevenths</source>
        <translation>Septièmes</translation>
    </message>
    <message>
        <source>Applied Dominant7</source>
        <translation>Dominante secondaire</translation>
    </message>
    <message>
        <source>V7 of Flat-II</source>
        <translation>V7 de IIb</translation>
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
        <translation>V7 de VII (mineur seul.)</translation>
    </message>
    <message>
        <source>Applied vii-dim7</source>
        <translation>vii-dim7 secondaire</translation>
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
        <translation>vii-dim7 de VII (mineur seul.)</translation>
    </message>
    <message>
        <source>Augmented 6</source>
        <translation>Sixte augmentée</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienne</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Française</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemande</translation>
    </message>
    <message>
        <source>Neapolitan</source>
        <translation>Sixte napolitaine</translation>
    </message>
    <message>
        <source>Flat-II</source>
        <translation>IIb</translation>
    </message>
    <message>
        <source>Chord Settings</source>
        <translation>Réglages des accords</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout choisir</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
</context>
<context>
    <name>tonalyst::ClassServerDialog</name>
    <message>
        <source>Send my answers to the class server</source>
        <translation>Envoyer mes réponses au serveur de classe</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Class Server</source>
        <translation>Serveur de classe</translation>
    </message>
    <message>
        <source>service name, or postgresql://host/database</source>
        <translation>nom de service, ou postgresql://host/database</translation>
    </message>
    <message>
        <source>Your teacher gives you the service name or address and a password for your ~/.pgpass file. Tonalyst keeps no password.</source>
        <translation>Votre professeur vous donne le nom de service ou l&apos;adresse et un mot de passe pour votre fichier ~/.pgpass. Tonalyst ne garde aucun mot de passe.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serveur :</translation>
    </message>
    <message>
        <source>Testing the connection ...</source>
        <translation>Test de la connexion ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::ClassServerLink</name>
    <message>
        <source>Class server: on. Answers are sent once your answer history is kept.</source>
        <translation>Serveur de classe : activé. Les réponses sont envoyées dès que votre historique est conservé.</translation>
    </message>
    <message>
        <source>Class server: sending your answers ...</source>
        <translation>Serveur de classe : envoi de vos réponses ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::ClefDialog</name>
    <message>
        <source>Options: Clef Selection</source>
        <translation>Options : choix de la clé</translation>
    </message>
    <message>
        <source>Clef Selection</source>
        <translation>Choix de la clé</translation>
    </message>
    <message>
        <source>Treble Clef</source>
        <translation>Clé de sol</translation>
    </message>
    <message>
        <source>Bass Clef</source>
        <translation>Clé de fa</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
</context>
<context>
    <name>tonalyst::EarTrainingChordDialog</name>
    <message>
        <source>Options: Ear Training Chord Selection</source>
        <translation>Options : accords à l&apos;oreille</translation>
    </message>
    <message>
        <source>Ear Training Chord Selection</source>
        <translation>Accords à l&apos;oreille</translation>
    </message>
    <message>
        <source>Triads</source>
        <translation>Accords de 3 sons</translation>
    </message>
    <message>
        <source>Sevenths</source>
        <translation>Septièmes</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
</context>
<context>
    <name>tonalyst::EarTrainingWindow</name>
    <message>
        <source>Ear Training: </source>
        <translation>Oreille : </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Numéro de question</translation>
    </message>
    <message>
        <source>First part of your answer</source>
        <translation>Première partie de votre réponse</translation>
    </message>
    <message>
        <source>Second part of your answer</source>
        <translation>Deuxième partie de votre réponse</translation>
    </message>
    <message>
        <source>Verdict on your answer</source>
        <translation>Verdict sur votre réponse</translation>
    </message>
    <message>
        <source>your answer is ....</source>
        <translation>votre réponse est ....</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Show Choices</source>
        <translation>Voir les choix</translation>
    </message>
    <message>
        <source>Show Display</source>
        <translation>Voir l&apos;affichage</translation>
    </message>
    <message>
        <source>Submit Answer</source>
        <translation>Répondre</translation>
    </message>
    <message>
        <source>Repeat Tones</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation>Envoyer votre réponse</translation>
    </message>
    <message>
        <source>Pop up the answer choices</source>
        <translation>Afficher les choix de réponse</translation>
    </message>
    <message>
        <source>Play the tones again</source>
        <translation>Rejouer les sons</translation>
    </message>
</context>
<context>
    <name>tonalyst::HelpWindow</name>
    <message>
        <source>Tonalyst Help</source>
        <translation>Aide de Tonalyst</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Theory Help</source>
        <translation>Aide théorique</translation>
    </message>
    <message>
        <source>Program Help</source>
        <translation>Aide du programme</translation>
    </message>
    <message>
        <source>Tonalyst Help - %1</source>
        <translation>Aide de Tonalyst - %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::HistoryWriter</name>
    <message>
        <source>The records of %1 could not be brought into the answer history: %2</source>
        <translation>Les enregistrements de %1 n&apos;ont pas pu être intégrés à l&apos;historique des réponses : %2</translation>
    </message>
    <message>
        <source>Your answers are kept and stored as soon as the history can be written again.</source>
        <translation>Vos réponses sont conservées et seront enregistrées dès que l&apos;historique pourra de nouveau être écrit.</translation>
    </message>
    <message>
        <source>The answer history cannot be written: %1</source>
        <translation>L&apos;historique des réponses ne peut pas être écrit : %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::InKeyCommonGroup</name>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>major keys</source>
        <translation>tonalités majeures</translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation>tonalités mineures</translation>
    </message>
    <message>
        <source>major and minor keys</source>
        <translation>tonalités majeures et mineures</translation>
    </message>
    <message>
        <source>Key and Tempo</source>
        <translation>Tonalité et tempo</translation>
    </message>
    <message>
        <source>At most sharps or flats</source>
        <translation>Au plus dièses ou bémols</translation>
    </message>
    <message>
        <source>Skip the cadence while the key stays the same</source>
        <translation>Omettre la cadence tant que la tonalité ne change pas</translation>
    </message>
    <message>
        <source>Tempo in quarter notes per minute</source>
        <translation>Tempo en noires par minute</translation>
    </message>
    <message>
        <source>At most &amp;sharps or flats:</source>
        <translation>Au plus &amp;dièses ou bémols :</translation>
    </message>
    <message>
        <source>&amp;Tempo (quarter notes per minute):</source>
        <translation>&amp;Tempo (noires par minute) :</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tonalyst::IntervalOptionsDialog</name>
    <message>
        <source>Options: Interval Settings</source>
        <translation>Options : réglages des intervalles</translation>
    </message>
    <message>
        <source>Interval Type Options</source>
        <translation>Types d&apos;intervalles</translation>
    </message>
    <message>
        <source>common intervals</source>
        <translation>intervalles courants</translation>
    </message>
    <message>
        <source>advanced intervals (this option precludes &quot;all possible notes&quot; option below -see help)</source>
        <translation>intervalles avancés (exclut l&apos;option « toutes les notes possibles » ci-dessous, voir l&apos;aide)</translation>
    </message>
    <message>
        <source>Common intervals</source>
        <translation>Intervalles courants</translation>
    </message>
    <message>
        <source>perfect unison</source>
        <translation>unisson juste</translation>
    </message>
    <message>
        <source>minor second</source>
        <translation>seconde mineure</translation>
    </message>
    <message>
        <source>major second</source>
        <translation>seconde majeure</translation>
    </message>
    <message>
        <source>minor third</source>
        <translation>tierce mineure</translation>
    </message>
    <message>
        <source>major third</source>
        <translation>tierce majeure</translation>
    </message>
    <message>
        <source>perfect fourth</source>
        <translation>quarte juste</translation>
    </message>
    <message>
        <source>diminished fifth (tri-tone)</source>
        <translation>quinte diminuée (triton)</translation>
    </message>
    <message>
        <source>perfect fifth</source>
        <translation>quinte juste</translation>
    </message>
    <message>
        <source>minor sixth</source>
        <translation>sixte mineure</translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation>sixte majeure</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>septième mineure</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>septième majeure</translation>
    </message>
    <message>
        <source>perfect octave</source>
        <translation>octave juste</translation>
    </message>
    <message>
        <source>Advanced intervals</source>
        <translation>Intervalles avancés</translation>
    </message>
    <message>
        <source>all common intervals, </source>
        <translation>tous les intervalles courants, </translation>
    </message>
    <message>
        <source>plus...</source>
        <translation>plus...</translation>
    </message>
    <message>
        <source>augmented second</source>
        <translation>seconde augmentée</translation>
    </message>
    <message>
        <source>diminished third</source>
        <translation>tierce diminuée</translation>
    </message>
    <message>
        <source>diminished fourth</source>
        <translation>quarte diminuée</translation>
    </message>
    <message>
        <source>augmented fourth</source>
        <translation>quarte augmentée</translation>
    </message>
    <message>
        <source>augmented fifth</source>
        <translation>quinte augmentée</translation>
    </message>
    <message>
        <source>augmented sixth</source>
        <translation>sixte augmentée</translation>
    </message>
    <message>
        <source>diminished seventh</source>
        <translation>septième diminuée</translation>
    </message>
    <message>
        <source>Interval Note Selection</source>
        <translation>Choix des notes de l&apos;intervalle</translation>
    </message>
    <message>
        <source>select from chosen keys</source>
        <translation>choisir parmi les tonalités choisies</translation>
    </message>
    <message>
        <source>select from all possible notes (this option precludes advanced intervals-see help)</source>
        <translation>choisir parmi toutes les notes possibles (exclut les intervalles avancés, voir l&apos;aide)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Option not allowed for ear training</source>
        <translation>Option non permise pour l&apos;entraînement de l&apos;oreille</translation>
    </message>
</context>
<context>
    <name>tonalyst::InversionDialog</name>
    <message>
        <source>Options: Inversion Settings</source>
        <translation>Options : renversements</translation>
    </message>
    <message>
        <source>Inversion Options</source>
        <translation>Renversements</translation>
    </message>
    <message>
        <source>Inversions Off</source>
        <translation>Renversements désactivés</translation>
    </message>
    <message>
        <source>Inversions On : basic notation</source>
        <translation>Renversements activés : notation simple</translation>
    </message>
    <message>
        <source>Inversions On : figured bass notation</source>
        <translation>Renversements activés : chiffrage de basse continue</translation>
    </message>
</context>
<context>
    <name>tonalyst::KeySettingsDialog</name>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Options: Key Settings</source>
        <translation>Options : tonalités</translation>
    </message>
    <message>
        <source>Mode </source>
        <translation>Mode </translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Majeur</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Mineur</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Sharp Keys</source>
        <translation>Tonalités à dièses</translation>
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
        <translation>Tonalités à bémols</translation>
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
        <translation>Tonalités</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>You must select at least one key</source>
        <translation>Vous devez choisir au moins une tonalité</translation>
    </message>
</context>
<context>
    <name>tonalyst::KeySigDisplayDialog</name>
    <message>
        <source>Options: Key Signature Display</source>
        <translation>Options : affichage de l&apos;armure</translation>
    </message>
    <message>
        <source>Key Indication for chord ID</source>
        <translation>Indication de tonalité (identif.)</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écrite</translation>
    </message>
    <message>
        <source>Symbolic</source>
        <translation>Symbolique</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Options : langue</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>As the language</source>
        <translation>Comme la langue</translation>
    </message>
    <message>
        <source>English letters (C D E F G A B)</source>
        <translation>Lettres anglaises (C D E F G A B)</translation>
    </message>
    <message>
        <source>German letters (C D E F G A H)</source>
        <translation>Lettres allemandes (C D E F G A H)</translation>
    </message>
    <message>
        <source>Fixed do (Do Ré Mi Fa Sol La Si)</source>
        <translation>Do fixe (Do Ré Mi Fa Sol La Si)</translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation>&amp;Noms des notes :</translation>
    </message>
</context>
<context>
    <name>tonalyst::MainWindow</name>
    <message>
        <source>&amp;Tones off</source>
        <translation>Couper les &amp;sons</translation>
    </message>
    <message>
        <source>&amp;Tones on</source>
        <translation>Activer les &amp;sons</translation>
    </message>
    <message>
        <source>&amp;Beep off</source>
        <translation>Couper le &amp;bip</translation>
    </message>
    <message>
        <source>&amp;Beep on</source>
        <translation>Activer le &amp;bip</translation>
    </message>
    <message>
        <source>Tonalyst</source>
        <translation>Tonalyst</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>entraînement</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Numéro de question</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Question, continued</source>
        <translation>Question, suite</translation>
    </message>
    <message>
        <source>First part of your answer</source>
        <translation>Première partie de votre réponse</translation>
    </message>
    <message>
        <source>Second part of your answer</source>
        <translation>Deuxième partie de votre réponse</translation>
    </message>
    <message>
        <source>Inversion of your answer</source>
        <translation>Renversement de votre réponse</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Renversement</translation>
    </message>
    <message>
        <source>Verdict on your answer</source>
        <translation>Verdict sur votre réponse</translation>
    </message>
    <message>
        <source>your answer was ....</source>
        <translation>votre réponse était ....</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Show Choices</source>
        <translation>Voir les choix</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Submit Answer</source>
        <translation>Répondre</translation>
    </message>
    <message>
        <source>Hide Display</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation>Envoyer votre réponse</translation>
    </message>
    <message>
        <source>Pop up the answer choices</source>
        <translation>Afficher les choix de réponse</translation>
    </message>
    <message>
        <source>Clear the staff or the answer, or repeat the tones (Esc)</source>
        <translation>Effacer la portée ou la réponse, ou rejouer les sons (Échap)</translation>
    </message>
    <message>
        <source>Start a run of questions</source>
        <translation>Commencer une série de questions</translation>
    </message>
    <message>
        <source>Return to the ear-training window</source>
        <translation>Revenir à la fenêtre d&apos;entraînement de l&apos;oreille</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Not enough tones</source>
        <translation>Pas assez de sons</translation>
    </message>
    <message>
        <source>Enter an answer</source>
        <translation>Saisissez une réponse</translation>
    </message>
    <message>
        <source>choose an inversion</source>
        <translation>choisissez un renversement</translation>
    </message>
    <message>
        <source>Your corrected answer ...</source>
        <translation>Votre réponse corrigée ...</translation>
    </message>
    <message>
        <source>Complete current question before changing activity ?</source>
        <translation>Terminer la question en cours avant de changer d&apos;activité ?</translation>
    </message>
    <message>
        <source>Will change activity after current question completed</source>
        <translation>L&apos;activité changera une fois la question en cours terminée</translation>
    </message>
    <message>
        <source>Will now reset status bar and change activtiy...</source>
        <translation>Réinitialisation de l&apos;état et changement d&apos;activité...</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>Are you sure you want to reset Tonalyst?</source>
        <translation>Voulez-vous vraiment réinitialiser Tonalyst ?</translation>
    </message>
    <message>
        <source>Are you sure you want to shut down Tonalyst ?</source>
        <translation>Voulez-vous vraiment quitter Tonalyst ?</translation>
    </message>
    <message>
        <source>Repeat Tones</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Name all %1: %2 named so far</source>
        <translation>Nommez les %1 : %2 nommés jusqu&apos;ici</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>bémol</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>dièse</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>bécarre</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>diminué</translation>
    </message>
    <message>
        <source>half-diminished</source>
        <translation>semi-diminué</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message numerus="yes">
        <source>All %n name(s) are in: Backspace takes the last one back.</source>
        <translation>
            <numerusform>Le nom est saisi : Retour arrière reprend le dernier.</numerusform>
            <numerusform>Les %n noms sont saisis : Retour arrière reprend le dernier.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the names offered.</source>
        <translation>« %1 » n&apos;est pas l&apos;un des noms proposés.</translation>
    </message>
    <message>
        <source>%1  (%2 of %3)</source>
        <translation>%1  (%2 sur %3)</translation>
    </message>
    <message>
        <source>The language changes the next time Tonalyst starts.</source>
        <translation>La langue change au prochain démarrage de Tonalyst.</translation>
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
        <translation>Entrée MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>Claviers MIDI</translation>
    </message>
    <message>
        <source>Sustain pedal</source>
        <translation>Pédale de sustain</translation>
    </message>
    <message>
        <source>Sostenuto pedal</source>
        <translation>Pédale tonale</translation>
    </message>
    <message>
        <source>Soft pedal</source>
        <translation>Pédale douce</translation>
    </message>
    <message>
        <source>None: Enter submits</source>
        <translation>Aucune : Entrée valide</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Play an answer on the keyboard: notes enter the staff, chords answer ear training. J respells the last note entered.</source>
        <translation>Jouez une réponse au clavier : les notes s&apos;inscrivent sur la portée, les accords répondent à l&apos;oreille. J change l&apos;enharmonie de la dernière note saisie.</translation>
    </message>
    <message>
        <source>Submit with:</source>
        <translation>Valider avec :</translation>
    </message>
    <message>
        <source>Play answers on:</source>
        <translation>Jouer les réponses sur :</translation>
    </message>
    <message>
        <source>(no MIDI keyboard)</source>
        <translation>(aucun clavier MIDI)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non connecté)</translation>
    </message>
    <message>
        <source>No MIDI system is running: neither the ALSA sequencer nor a JACK server answers. Tonalyst works as usual without one.</source>
        <translation>Aucun système MIDI ne tourne : ni le séquenceur ALSA ni un serveur JACK ne répond. Tonalyst fonctionne normalement sans.</translation>
    </message>
    <message>
        <source>No MIDI keyboard is connected. Plug one in and press Refresh; a keyboard chosen here is connected by itself whenever it appears.</source>
        <translation>Aucun clavier MIDI n&apos;est branché. Branchez-en un et appuyez sur Actualiser ; un clavier choisi ici est connecté de lui-même dès qu&apos;il apparaît.</translation>
    </message>
    <message>
        <source>Listening to %1.</source>
        <translation>À l&apos;écoute de %1.</translation>
    </message>
    <message>
        <source>Choose the keyboard to play answers on.</source>
        <translation>Choisissez le clavier sur lequel jouer les réponses.</translation>
    </message>
</context>
<context>
    <name>tonalyst::NamePad</name>
    <message>
        <source>The key of the question</source>
        <translation>La tonalité de la question</translation>
    </message>
    <message>
        <source>The names you entered</source>
        <translation>Les noms saisis</translation>
    </message>
    <message>
        <source>Type a name</source>
        <translation>Tapez un nom</translation>
    </message>
    <message>
        <source>Enter adds the name typed to your answer; Backspace in the empty field takes the last one back</source>
        <translation>Entrée ajoute le nom tapé à votre réponse ; Retour arrière dans le champ vide reprend le dernier</translation>
    </message>
    <message>
        <source>Type a name, then Enter</source>
        <translation>Tapez un nom, puis Entrée</translation>
    </message>
    <message>
        <source>Why a typed name was not taken</source>
        <translation>Pourquoi un nom tapé n&apos;a pas été pris</translation>
    </message>
    <message>
        <source>Replay Cadence</source>
        <translation>Rejouer la cadence</translation>
    </message>
    <message>
        <source>Play the cadence that sets the key again</source>
        <translation>Rejouer la cadence qui installe la tonalité</translation>
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
        <translation>Faites glisser sur la portée</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Note with a natural</source>
        <translation>Note avec bécarre</translation>
    </message>
    <message>
        <source>Note with a sharp</source>
        <translation>Note avec dièse</translation>
    </message>
    <message>
        <source>Note with a flat</source>
        <translation>Note avec bémol</translation>
    </message>
    <message>
        <source>Note with a double sharp</source>
        <translation>Note avec double dièse</translation>
    </message>
    <message>
        <source>Note with a double flat</source>
        <translation>Note avec double bémol</translation>
    </message>
</context>
<context>
    <name>tonalyst::NotesField</name>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Note names separated by blanks, such as Eb G Bb or F#4 A#4 C#5; Enter puts them on the staff, Enter on an empty field submits the answer</source>
        <translation>Noms de notes séparés par des espaces, comme Eb G Bb ou F#4 A#4 C#5 ; Entrée les place sur la portée, Entrée sur un champ vide envoie la réponse</translation>
    </message>
    <message>
        <source>e.g. Eb G Bb</source>
        <translation type="vanished">p. ex. Eb G Bb</translation>
    </message>
    <message>
        <source>Notes not entered</source>
        <translation>Notes non saisies</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>p. ex. %1</translation>
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
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Progress - %1</source>
        <translation>Progression - %1</translation>
    </message>
    <message>
        <source>Reading the answers of %1 ...</source>
        <translation>Lecture des réponses de %1 ...</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période :</translation>
    </message>
    <message>
        <source>All activities</source>
        <translation>Toutes les activités</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>&amp;Activity:</source>
        <translation>&amp;Activité :</translation>
    </message>
    <message>
        <source>Export CSV ...</source>
        <translation>Exporter en CSV ...</translation>
    </message>
    <message>
        <source>Writes the answers of the chosen period to a CSV file</source>
        <translation>Écrit les réponses de la période choisie dans un fichier CSV</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Working out the figures ...</source>
        <translation>Calcul des chiffres ...</translation>
    </message>
    <message>
        <source>No answers in this period.</source>
        <translation>Aucune réponse sur cette période.</translation>
    </message>
    <message>
        <source>%1 answers from %2 to %3.</source>
        <translation>%1 réponses du %2 au %3.</translation>
    </message>
    <message>
        <source>No answers yet.</source>
        <translation>Pas encore de réponses.</translation>
    </message>
    <message>
        <source>Writing %1 ...</source>
        <translation>Écriture de %1 ...</translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation>Rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>The answers could not be written to %1: %2</source>
        <translation>Les réponses n&apos;ont pas pu être écrites dans %1 : %2</translation>
    </message>
    <message>
        <source>%1 answers written to %2.</source>
        <translation>%1 réponses écrites dans %2.</translation>
    </message>
</context>
<context>
    <name>tonalyst::ProgressionOptionsDialog</name>
    <message>
        <source>Options: Progressions</source>
        <translation>Options : enchaînements</translation>
    </message>
    <message>
        <source>Chords per Progression</source>
        <translation>Accords par enchaînement</translation>
    </message>
    <message>
        <source>Fewest chords per progression</source>
        <translation>Nombre minimal d&apos;accords par enchaînement</translation>
    </message>
    <message>
        <source>Most chords per progression</source>
        <translation>Nombre maximal d&apos;accords par enchaînement</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De :</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;À :</translation>
    </message>
    <message>
        <source>Chords Played Besides the Triads in Root Position</source>
        <translation>Accords joués en plus des accords de trois sons à l&apos;état fondamental</translation>
    </message>
    <message>
        <source>seventh chords</source>
        <translation>accords de septième</translation>
    </message>
    <message>
        <source>inversions</source>
        <translation>renversements</translation>
    </message>
</context>
<context>
    <name>tonalyst::PushWorker</name>
    <message>
        <source>Enter the service name or the address your teacher gave you.</source>
        <translation>Saisissez le nom de service ou l&apos;adresse que votre professeur vous a donnés.</translation>
    </message>
    <message>
        <source>Could not connect: %1.</source>
        <translation>Connexion impossible : %1.</translation>
    </message>
    <message>
        <source>Connected, but the class tables cannot be read: %1</source>
        <translation>Connecté, mais les tables de la classe ne peuvent pas être lues : %1</translation>
    </message>
    <message>
        <source>Connected, but this database is not set up for a class yet.</source>
        <translation>Connecté, mais cette base n&apos;est pas encore préparée pour une classe.</translation>
    </message>
    <message>
        <source>Connected to %1. Your answers can be sent.</source>
        <translation>Connecté à %1. Vos réponses peuvent être envoyées.</translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportDialog</name>
    <message>
        <source>Create Report</source>
        <translation>Créer un rapport</translation>
    </message>
    <message>
        <source>View/Print ...</source>
        <translation>Voir/Imprimer ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Source Data File</source>
        <translation>Fichier de données source</translation>
    </message>
    <message>
        <source>Choose File ...</source>
        <translation>Choisir un fichier ...</translation>
    </message>
    <message>
        <source>Report Period</source>
        <translation>Période du rapport</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absolue</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Derniers</translation>
    </message>
    <message>
        <source>Days (inclusive)</source>
        <translation>jours (inclus)</translation>
    </message>
    <message>
        <source>From :</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To :</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Report Type</source>
        <translation>Type de rapport</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>entraînement</translation>
    </message>
    <message>
        <source>both</source>
        <translation>les deux</translation>
    </message>
    <message>
        <source>composite</source>
        <translation>combiné</translation>
    </message>
    <message>
        <source>Report for current user: %1</source>
        <translation>Rapport pour l&apos;utilisateur actuel : %1</translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportDisplayWindow</name>
    <message>
        <source>Performance Report</source>
        <translation>Rapport de résultats</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message>
        <source>Back ...</source>
        <translation>Retour ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::ReportProgressWindow</name>
    <message>
        <source>Report Message</source>
        <translation>Message du rapport</translation>
    </message>
</context>
<context>
    <name>tonalyst::RtMidiInput</name>
    <message>
        <source>The port %1 is not there.</source>
        <translation>Le port %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>tonalyst::ScaleDegreeOptionsDialog</name>
    <message>
        <source>Options: Scale Degrees</source>
        <translation>Options : degrés</translation>
    </message>
    <message>
        <source>Degrees Asked</source>
        <translation>Degrés demandés</translation>
    </message>
    <message>
        <source>diatonic degrees (1 to 7)</source>
        <translation>degrés diatoniques (1 à 7)</translation>
    </message>
    <message>
        <source>with chromatic degrees (♭2 ♭3 ♯4 ♭6 ♭7 in major, ♭2 ♯4 ♮6 ♮7 in minor)</source>
        <translation>avec les degrés chromatiques (♭2 ♭3 ♯4 ♭6 ♭7 en majeur, ♭2 ♯4 ♮6 ♮7 en mineur)</translation>
    </message>
    <message>
        <source>Notes per question</source>
        <translation>Notes par question</translation>
    </message>
    <message>
        <source>&amp;Notes per question:</source>
        <translation>&amp;Notes par question :</translation>
    </message>
    <message>
        <source>Degrees Named</source>
        <translation>Nom des degrés</translation>
    </message>
    <message>
        <source>as numbers (1 2 3)</source>
        <translation>en chiffres (1 2 3)</translation>
    </message>
    <message>
        <source>in movable-do solfège (do re mi)</source>
        <translation>en solfège relatif (do ré mi)</translation>
    </message>
    <message>
        <source>Solfège in Minor Keys</source>
        <translation>Solfège en mineur</translation>
    </message>
    <message>
        <source>do-based: the minor tonic is do</source>
        <translation>sur do : la tonique mineure est do</translation>
    </message>
    <message>
        <source>la-based: the minor tonic is la</source>
        <translation>sur la : la tonique mineure est la</translation>
    </message>
</context>
<context>
    <name>tonalyst::SplashWindow</name>
    <message>
        <source>your complete music theory fitness program</source>
        <translation>votre programme complet d&apos;entraînement en théorie musicale</translation>
    </message>
    <message>
        <source>Tonalyst  is just warming up, one moment please ...</source>
        <translation>Tonalyst  se prépare, un instant s&apos;il vous plaît ...</translation>
    </message>
</context>
<context>
    <name>tonalyst::StaffPanel</name>
    <message>
        <source>Not entered: %1.</source>
        <translation>Non saisi : %1.</translation>
    </message>
</context>
<context>
    <name>tonalyst::StaffWidget</name>
    <message>
        <source>Staff</source>
        <translation>Portée</translation>
    </message>
</context>
<context>
    <name>tonalyst::TestLengthDialog</name>
    <message>
        <source>Options: Test Length</source>
        <translation>Options : longueur du test</translation>
    </message>
    <message>
        <source>Number of Test Questions</source>
        <translation>Nombre de questions du test</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>fifteen</source>
        <translation>quinze</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>vingt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>ID utilisateur</translation>
    </message>
    <message>
        <source>Enter Your User ID</source>
        <translation>Saisissez votre ID utilisateur</translation>
    </message>
    <message>
        <source>Maximum length 4 characters</source>
        <translation>4 caractères au maximum</translation>
    </message>
    <message>
        <source>Enter your initials, or use a codeword if you wish.  (Whatever you enter, be sure to write it down so you don&apos;t forget it.)</source>
        <translation>Saisissez vos initiales, ou un mot de code si vous le souhaitez.  (Quoi que vous saisissiez, notez-le pour ne pas l&apos;oublier.)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
