#include "startup/CommandLine.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

// Qt's own options are QApplication's business: the program must neither refuse them nor
// take their values for its own.
TEST(CommandLine, QtsOwnOptionsPassThroughAndTheProgramsOwnStillCount) {
    struct Case {
        QStringList arguments;
        CommandLineAction action;
        QString dataDir;
    };
    const QString dir = QStringLiteral("/tmp/class");
    const Case cases[] = {
        {{QStringLiteral("-style"), QStringLiteral("fusion")}, CommandLineAction::Run, {}},
        {{QStringLiteral("--style=fusion"), QStringLiteral("-reverse")}, CommandLineAction::Run, {}},
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--data-dir"), dir},
         CommandLineAction::Run,
         dir},
        {{QStringLiteral("-display"), QStringLiteral(":1"), QStringLiteral("-geometry"),
          QStringLiteral("800x600+0+0"), QStringLiteral("--data-dir=") + dir},
         CommandLineAction::Run,
         dir},
        // A value that looks like the program's own option is still the Qt option's value.
        {{QStringLiteral("-stylesheet"), QStringLiteral("--data-dir")}, CommandLineAction::Run, {}},
        {{QStringLiteral("-style")}, CommandLineAction::Refused, {}},
        {{QStringLiteral("-styles"), QStringLiteral("fusion")}, CommandLineAction::Refused, {}},
        {{QStringLiteral("-platform=offscreen")}, CommandLineAction::Refused, {}},
    };
    for (const Case& c : cases) {
        const CommandLineResult result = parseDesktopArguments(c.arguments);
        const std::string arguments = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(result.action, c.action) << arguments << ": " << result.output.toStdString();
        EXPECT_EQ(result.options.dataDir, c.dataDir) << arguments;
        if (c.action == CommandLineAction::Refused) {
            EXPECT_TRUE(result.output.contains(c.arguments.first())) << arguments;
            // Worded as every command's refusals are.
            EXPECT_TRUE(result.output.startsWith(QStringLiteral("tonalyst: "))) << arguments;
            EXPECT_TRUE(result.output.endsWith(QStringLiteral("\nTry 'tonalyst --help'.\n"))) << arguments;
        }
    }
}

} // namespace
} // namespace tonalyst
