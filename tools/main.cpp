#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <algorithm>
#include <map>
#include <memory>

#include "command.h"
#include "core/error.h"
#include "pageview/rendering_application.h"
#include "store/connection_string.h"
#include "store/program_places.h"

namespace {

std::map<QString, Command>& registry() {
    static std::map<QString, Command> commands;
    return commands;
}

int usage(QTextStream& out) {
    out << "usage: vantrel-bank <command> [options]\n";
    for (const auto& [name, command] : registry()) out << "  " << command.usage << "\n";
    out << "without --dir a command works on the program's own bank: beside it when it runs from\n"
           "a writable program directory, otherwise the user's (~/.local/share/Vantrel/)\n";
    return 2;
}

}  // namespace

CommandRegistration::CommandRegistration(Command command) {
    registry().emplace(command.name, std::move(command));
}

QString optionValue(const QStringList& args, const QString& name, const QString& fallback) {
    QString value = fallback;
    for (int i = 0; i + 1 < args.size(); ++i)
        if (args[i] == name) value = args[i + 1];
    return value;
}

QString programDirectoryOf(const QString& dir) {
    const QString absolute = QDir(dir).absolutePath();
    return absolute.endsWith(u'/') ? absolute : absolute + u'/';
}

core::ProgramPlaces placesOf(const QStringList& args) {
    const QString dir = optionValue(args, QStringLiteral("--dir"));
    if (!dir.isEmpty()) return programDirectoryOf(dir);
    const core::ProgramPlaces places = store::programPlaces();
    store::provideUserBank(places);
    return places;
}

QString bankPathOf(const QString& dataDir) {
    return store::ConnectionString(store::ConnectionString::forDataDirectory(dataDir)).dataSource();
}

std::optional<BankAndFile> bankAndFileOf(const QStringList& args) {
    const QStringList files = positionalArguments(args, {QStringLiteral("--dir")});
    if (files.size() != 1) return std::nullopt;
    return BankAndFile{bankPathOf(placesOf(args).dataDir), files.first()};
}

QStringList positionalArguments(const QStringList& args, const QStringList& flagsWithValue) {
    QStringList result;
    for (int i = 0; i < args.size(); ++i) {
        if (flagsWithValue.contains(args[i])) {
            ++i;
        } else if (!args[i].startsWith(QStringLiteral("--"))) {
            result << args[i];
        }
    }
    return result;
}

int main(int argc, char** argv) {
    // Only a PDF needs the page engine and so a GUI application; the other commands run without.
    const bool rendersPdf = std::any_of(argv + 1, argv + argc, [](const char* arg) {
        return QByteArrayView(arg) == QByteArrayView("--pdf");
    });
    const std::unique_ptr<QCoreApplication> app =
        rendersPdf ? pageview::makeRenderingApplication(argc, argv)
                   : std::make_unique<QCoreApplication>(argc, argv);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QStringLiteral("--help")) return usage(err);
    const auto found = registry().find(args.takeFirst());
    if (found == registry().end()) return usage(err);
    try {
        return found->second.run(args);
    } catch (const core::Error& e) {
        err << "vantrel-bank: " << e.message() << "\n";
        return 1;
    }
}
