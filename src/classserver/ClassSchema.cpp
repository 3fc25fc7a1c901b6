#include "classserver/ClassSchema.h"

#include <QCoreApplication>

#include <array>

namespace tonalyst {

namespace {

// Step 1: the schema, its version table, the two group roles and the tables. Group roles
// are shared by every class database in the cluster, so they are made only if missing.
const char* const kStep1 = R"sql(
CREATE SCHEMA tonalyst;
REVOKE ALL ON SCHEMA tonalyst FROM PUBLIC;
CREATE TABLE tonalyst.schema_version (
    version integer PRIMARY KEY,
    applied_at timestamptz NOT NULL DEFAULT now()
);
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'tonalyst_student') THEN
        CREATE ROLE tonalyst_student NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'tonalyst_teacher') THEN
        CREATE ROLE tonalyst_teacher NOLOGIN;
    END IF;
END
$$;
GRANT USAGE ON SCHEMA tonalyst TO tonalyst_student, tonalyst_teacher;
GRANT SELECT ON tonalyst.schema_version TO tonalyst_student, tonalyst_teacher;

CREATE TABLE tonalyst.classes (
    class_id serial PRIMARY KEY,
    name text NOT NULL UNIQUE
);
CREATE TABLE tonalyst.students (
    user_id text PRIMARY KEY
);
CREATE TABLE tonalyst.class_students (
    class_id integer NOT NULL REFERENCES tonalyst.classes,
    user_id text NOT NULL REFERENCES tonalyst.students,
    PRIMARY KEY (class_id, user_id)
);
CREATE INDEX class_students_user ON tonalyst.class_students (user_id);
-- Login roles get generated names that say nothing about whose they are.
CREATE TABLE tonalyst.logins (
    role_name name PRIMARY KEY,
    user_id text NOT NULL,
    is_teacher boolean NOT NULL,
    created_at timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX logins_user ON tonalyst.logins (user_id);
CREATE TABLE tonalyst.teacher_classes (
    role_name name NOT NULL REFERENCES tonalyst.logins ON DELETE CASCADE,
    class_id integer NOT NULL REFERENCES tonalyst.classes,
    PRIMARY KEY (role_name, class_id)
);
-- An answer is known by its student and the id the student's machine gave it, so no
-- student can take an id another student's answer will need.
CREATE TABLE tonalyst.answers (
    user_id text NOT NULL REFERENCES tonalyst.students,
    answer_id uuid NOT NULL,
    day date NOT NULL,
    answered_at timestamptz,
    run_id text,
    method text NOT NULL,
    activity text NOT NULL,
    inversions text NOT NULL,
    category text NOT NULL,
    accidentals integer NOT NULL,
    key text,
    item text,
    inversion text,
    asked text,
    given text,
    right_answer text,
    correct boolean NOT NULL,
    attempt integer NOT NULL,
    seconds integer NOT NULL,
    in_data_file boolean NOT NULL,
    imported boolean NOT NULL,
    received_at timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (user_id, answer_id)
);
CREATE INDEX answers_user_day ON tonalyst.answers (user_id, day);
)sql";

// Step 2: who may see and add what. The rules live in the server, so no client, however
// changed, can read past them.
const char* const kStep2 = R"sql(
GRANT SELECT, INSERT ON tonalyst.answers TO tonalyst_student;
GRANT SELECT ON tonalyst.answers TO tonalyst_teacher;
GRANT SELECT ON tonalyst.logins, tonalyst.class_students TO tonalyst_student, tonalyst_teacher;
GRANT SELECT ON tonalyst.classes, tonalyst.teacher_classes TO tonalyst_teacher;

ALTER TABLE tonalyst.logins ENABLE ROW LEVEL SECURITY;
CREATE POLICY own_login ON tonalyst.logins FOR SELECT USING (role_name = current_user);

ALTER TABLE tonalyst.teacher_classes ENABLE ROW LEVEL SECURITY;
CREATE POLICY own_classes ON tonalyst.teacher_classes FOR SELECT TO tonalyst_teacher
    USING (role_name = current_user);

ALTER TABLE tonalyst.classes ENABLE ROW LEVEL SECURITY;
CREATE POLICY taught_classes ON tonalyst.classes FOR SELECT TO tonalyst_teacher
    USING (class_id IN (SELECT t.class_id FROM tonalyst.teacher_classes t WHERE t.role_name = current_user));

ALTER TABLE tonalyst.class_students ENABLE ROW LEVEL SECURITY;
CREATE POLICY taught_students ON tonalyst.class_students FOR SELECT TO tonalyst_teacher
    USING (class_id IN (SELECT t.class_id FROM tonalyst.teacher_classes t WHERE t.role_name = current_user));
CREATE POLICY own_membership ON tonalyst.class_students FOR SELECT TO tonalyst_student
    USING (user_id IN (SELECT l.user_id FROM tonalyst.logins l
                       WHERE l.role_name = current_user AND NOT l.is_teacher));

ALTER TABLE tonalyst.answers ENABLE ROW LEVEL SECURITY;
CREATE POLICY own_answers_read ON tonalyst.answers FOR SELECT TO tonalyst_student
    USING (user_id IN (SELECT l.user_id FROM tonalyst.logins l
                       WHERE l.role_name = current_user AND NOT l.is_teacher));
CREATE POLICY own_answers_add ON tonalyst.answers FOR INSERT TO tonalyst_student
    WITH CHECK (user_id IN (SELECT l.user_id FROM tonalyst.logins l
                            WHERE l.role_name = current_user AND NOT l.is_teacher));
CREATE POLICY class_answers_read ON tonalyst.answers FOR SELECT TO tonalyst_teacher
    USING (user_id IN (SELECT s.user_id FROM tonalyst.class_students s
                       JOIN tonalyst.teacher_classes t ON t.class_id = s.class_id
                       WHERE t.role_name = current_user));
)sql";

// Step 3: faster pushes and summaries. A student's login can only add its own answers
// anyway, so the per-row check against the students table goes; the summary reads its
// figures from an index alone.
const char* const kStep3 = R"sql(
ALTER TABLE tonalyst.answers DROP CONSTRAINT answers_user_id_fkey;
DROP INDEX tonalyst.answers_user_day;
CREATE INDEX answers_user_day ON tonalyst.answers (user_id, day)
    INCLUDE (activity, category, inversions, method, correct, seconds, accidentals, in_data_file);
)sql";

// Step 4: a login belongs to one student's row, and the server, not the client, vouches
// for what it can. The login's ID is tied to its student's by a key, so the rules that
// read the login read the student's own ID. A student's login cannot set the time an
// answer arrived, cannot send records as if imported from a data file, and cannot send an
// answer whose verdict disagrees with the answer given and the right one (both in the
// same notation, so a right answer has them equal). Rows already stored are not checked
// again.
const char* const kStep4 = R"sql(
ALTER TABLE tonalyst.students ADD COLUMN student_id integer GENERATED ALWAYS AS IDENTITY;
ALTER TABLE tonalyst.students ADD CONSTRAINT students_student_id_user_id_key UNIQUE (student_id, user_id);
ALTER TABLE tonalyst.logins ADD COLUMN student_id integer;
UPDATE tonalyst.logins l SET student_id = s.student_id FROM tonalyst.students s
    WHERE NOT l.is_teacher AND s.user_id = l.user_id;
ALTER TABLE tonalyst.logins
    ADD CONSTRAINT logins_student FOREIGN KEY (student_id, user_id)
        REFERENCES tonalyst.students (student_id, user_id) ON UPDATE CASCADE,
    ADD CONSTRAINT logins_student_or_teacher CHECK (is_teacher = (student_id IS NULL));

DROP POLICY own_membership ON tonalyst.class_students;
CREATE POLICY own_membership ON tonalyst.class_students FOR SELECT TO tonalyst_student
    USING (user_id IN (SELECT l.user_id FROM tonalyst.logins l
                       WHERE l.role_name = current_user AND l.student_id IS NOT NULL));
DROP POLICY own_answers_read ON tonalyst.answers;
CREATE POLICY own_answers_read ON tonalyst.answers FOR SELECT TO tonalyst_student
    USING (user_id IN (SELECT l.user_id FROM tonalyst.logins l
                       WHERE l.role_name = current_user AND l.student_id IS NOT NULL));
DROP POLICY own_answers_add ON tonalyst.answers;
CREATE POLICY own_answers_add ON tonalyst.answers FOR INSERT TO tonalyst_student
    WITH CHECK (NOT imported AND
                user_id IN (SELECT l.user_id FROM tonalyst.logins l
                            WHERE l.role_name = current_user AND l.student_id IS NOT NULL));

REVOKE INSERT ON tonalyst.answers FROM tonalyst_student;
GRANT INSERT (user_id, answer_id, day, answered_at, run_id, method, activity, inversions, category, accidentals,
              key, item, inversion, asked, given, right_answer, correct, attempt, seconds, in_data_file, imported)
    ON tonalyst.answers TO tonalyst_student;
ALTER TABLE tonalyst.answers ADD CONSTRAINT answers_verdict_agrees
    CHECK (imported OR correct = (given IS NOT DISTINCT FROM right_answer)) NOT VALID;
)sql";

// Step 5: the summary counts the questions of an activity the data file keeps no record
// of by their first answers, still from the index alone.
const char* const kStep5 = R"sql(
DROP INDEX tonalyst.answers_user_day;
CREATE INDEX answers_user_day ON tonalyst.answers (user_id, day)
    INCLUDE (activity, category, inversions, method, correct, seconds, accidentals, in_data_file, attempt);
)sql";

const std::array<const char*, 5> kSteps{kStep1, kStep2, kStep3, kStep4, kStep5};

// Run by every init, not once: on a database made before PostgreSQL 15 everyone may
// create objects in the public schema, and a function planted there would be found by
// any session that looks there.
const char* const kLockPublic = R"sql(
DO $$
BEGIN
    IF pg_catalog.to_regnamespace('public') IS NOT NULL THEN
        REVOKE CREATE ON SCHEMA public FROM PUBLIC;
    END IF;
END
$$;
)sql";

const QString kVersionTableExists = QStringLiteral("SELECT to_regclass('tonalyst.schema_version') IS NOT NULL");
const QString kReadVersion = QStringLiteral("SELECT coalesce(max(version), 0) FROM tonalyst.schema_version");

} // namespace

int ClassSchema::latestVersion() {
    return static_cast<int>(kSteps.size());
}

QString ClassSchema::newerSchemaMessage(int found) {
    return QCoreApplication::translate(
               "ClassSchema",
               "The class database was set up by a newer Tonalyst (schema version %1; this Tonalyst "
               "knows versions up to %2). Use a newer Tonalyst with this database.")
        .arg(found)
        .arg(latestVersion());
}

std::optional<int> ClassSchema::currentVersion(PgConnection& db, QString* problem) {
    const PgResult exists = db.exec(kVersionTableExists);
    if (!exists.ok() || exists.rows() != 1) {
        if (problem)
            *problem = exists.problem();
        return std::nullopt;
    }
    if (!exists.flag(0, 0))
        return 0;
    const PgResult result = db.exec(kReadVersion);
    if (!result.ok() || result.rows() != 1) {
        if (problem)
            *problem = result.problem();
        return std::nullopt;
    }
    return static_cast<int>(result.number(0, 0));
}

bool ClassSchema::migrate(PgConnection& db, QString& problem, std::optional<int> target) {
    const int goal = target.value_or(latestVersion());
    const auto failed = [&db, &problem](const PgResult& result) {
        problem = result.problem();
        db.exec(QStringLiteral("ROLLBACK"));
        return false;
    };

    PgResult begun = db.exec(QStringLiteral("BEGIN"));
    if (!begun.ok())
        return failed(begun);
    // Two set-ups of the same database at once take turns.
    if (PgResult locked = db.exec(QStringLiteral("SELECT pg_advisory_xact_lock(hashtext('tonalyst schema'))"));
        !locked.ok())
        return failed(locked);
    QString readProblem;
    const std::optional<int> found = currentVersion(db, &readProblem);
    if (!found) {
        problem = readProblem;
        db.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    if (*found > latestVersion()) {
        problem = newerSchemaMessage(*found);
        db.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    for (int step = *found + 1; step <= goal; ++step) {
        if (PgResult applied = db.execScript(QString::fromUtf8(kSteps[static_cast<size_t>(step - 1)]));
            !applied.ok())
            return failed(applied);
        if (PgResult noted = db.exec(QStringLiteral("INSERT INTO tonalyst.schema_version (version) VALUES ($1)"),
                                     {QString::number(step)});
            !noted.ok())
            return failed(noted);
    }
    if (PgResult locked = db.execScript(QString::fromUtf8(kLockPublic)); !locked.ok())
        return failed(locked);
    if (PgResult committed = db.exec(QStringLiteral("COMMIT")); !committed.ok()) {
        problem = committed.problem();
        return false;
    }
    return true;
}

} // namespace tonalyst
