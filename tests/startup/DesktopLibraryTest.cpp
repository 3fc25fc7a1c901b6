#include "startup/DesktopLibrary.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace tonalyst {
namespace {

bool mentions(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(DesktopLibrary, TheBuiltLibraryOffersBothEntryPoints) {
    const DesktopLibrary library = loadDesktopLibrary(TONALYST_DESKTOP_LIBRARY);
    EXPECT_EQ(library.problem, "");
    EXPECT_NE(library.openDesktop, nullptr);
    EXPECT_NE(library.runCommand, nullptr);
}

TEST(DesktopLibrary, RunsEveryCommandTheProgramHandsOverAndRefusesOthers) {
    const DesktopLibrary library = loadDesktopLibrary(TONALYST_DESKTOP_LIBRARY);
    ASSERT_NE(library.runCommand, nullptr);
    for (const std::string_view command : kDesktopCommands) {
        std::string name(command);
        std::string help("--help");
        char* argv[] = {const_cast<char*>("tonalyst"), name.data(), help.data()};
        EXPECT_EQ(library.runCommand(3, argv), 0) << name;
    }
    std::string unknown("reprot");
    char* argv[] = {const_cast<char*>("tonalyst"), unknown.data()};
    EXPECT_EQ(library.runCommand(2, argv), 2);
}

TEST(DesktopLibrary, AMissingOrForeignLibraryIsNamedAndOffersNothing) {
    const DesktopLibrary missing = loadDesktopLibrary("/nonexistent/libtonalyst-desktop.so");
    EXPECT_TRUE(mentions(missing.problem, "/nonexistent/libtonalyst-desktop.so")) << missing.problem;
    EXPECT_TRUE(mentions(missing.problem, "not installed completely")) << missing.problem;
    EXPECT_EQ(missing.openDesktop, nullptr);
    EXPECT_EQ(missing.runCommand, nullptr);

    // A library that loads but is not Tonalyst's.
    const DesktopLibrary foreign = loadDesktopLibrary("libz.so.1");
    EXPECT_TRUE(mentions(foreign.problem, "tonalyst_open_desktop")) << foreign.problem;
    EXPECT_EQ(foreign.openDesktop, nullptr);
    EXPECT_EQ(foreign.runCommand, nullptr);
}

TEST(DesktopLibrary, TheProgramCopiedWithoutItsLibrarySaysSoAndEnds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("tonalyst"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TONALYST_PROGRAM), program));
    QProcess tonalyst;
    tonalyst.start(program, {QStringLiteral("report"), QStringLiteral("--user"), QStringLiteral("AB")});
    ASSERT_TRUE(tonalyst.waitForFinished(30000));
    EXPECT_EQ(tonalyst.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tonalyst.exitCode(), 1);
    const QByteArray errors = tonalyst.readAllStandardError();
    EXPECT_TRUE(errors.startsWith("Tonalyst is not installed completely: ")) << errors.data();
    EXPECT_TRUE(errors.contains("/lib/tonalyst/libtonalyst-desktop.so")) << errors.data();
    EXPECT_EQ(tonalyst.readAllStandardOutput(), QByteArray());
}

} // namespace
} // namespace tonalyst
