#include "rosterdesk/cli/cli_main.h"

#include <functional>
#include <map>

#include "common/cli/arg_list.h"
#include "rosterdesk/cli/roster_commands.h"
#ifdef ROSTERDESK_HAS_CATALOGUE
#include "rosterdesk/catalogue/catalogue_command.h"
#endif

namespace rosterdesk {

namespace {

const char* const kHelp =
    "usage: rosterdesk-cli COMMAND [ARGS...]\n"
    "\n"
    "Commands:\n"
    "  catalogue GAME_DIR [--patterns pattern.ini] [--skip int.ini]\n"
    "      scan the game's description files and print the models, skins, faces and voices\n"
    "  new OUT.bm [--description TEXT]\n"
    "      write the default roster to a roster file\n"
    "  apply ROSTER.bm GAME_DIR [--no-backup]\n"
    "      replace the roster section of GAME_DIR's System/user.ini with the file's roster;\n"
    "      the old section is kept as a .bm2 backup beside ROSTER.bm unless --no-backup\n"
    "  restore BACKUP.bm2 GAME_DIR [--no-backup]\n"
    "      put a .bm2 backup's section back into GAME_DIR's System/user.ini; the section it\n"
    "      replaces is kept as a new .bm2 backup beside BACKUP.bm2 unless --no-backup\n"
    "  capture GAME_DIR OUT.bm [--description TEXT]\n"
    "      write the roster section of GAME_DIR's System/user.ini to a roster file\n"
    "  show ROSTER.bm\n"
    "      print the roster file's 32 slots and roster-wide settings\n"
    "  --help\n"
    "      print this text\n"
    "  --version\n"
    "      print the version\n"
    "\n"
    "Exit status: 0 success, 1 failure, 2 usage error.\n";

using Command = std::function<int(korvath::ArgList&, std::ostream&, std::ostream&)>;

}  // namespace

int runRosterdeskCli(std::vector<std::string> arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty()) {
        err << kHelp;
        return 2;
    }
    if (arguments.front() == "--help" || arguments.front() == "-h" || arguments.front() == "help") {
        out << kHelp;
        return 0;
    }
    const std::map<std::string, Command> commands = {
#ifdef ROSTERDESK_HAS_CATALOGUE
        {"catalogue", runCatalogueCommand},
#endif
        {"new", runNewCommand},
        {"apply", runApplyCommand},
        {"restore", runRestoreCommand},
        {"capture", runCaptureCommand},
        {"show", runShowCommand},
    };
    auto command = commands.find(arguments.front());
    if (command == commands.end()) {
        err << "rosterdesk-cli: unknown command " << arguments.front() << "\n" << kHelp;
        return 2;
    }
    arguments.erase(arguments.begin());
    korvath::ArgList args(std::move(arguments));
    if (args.flag("--help")) {
        out << kHelp;
        return 0;
    }
    return command->second(args, out, err);
}

}  // namespace rosterdesk
