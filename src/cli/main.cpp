// kinetrax-cli: the journal's command-line front end. Everything but the process's environment
// lives in core/cli, where the tests reach it.

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "core/app/DataFolder.h"
#include "core/base/Format.h"
#include "core/cli/Cli.h"
#include "core/settings/FileSettingsStore.h"

int main(int argc, char** argv) {
    kt::ForceCLocale();
    const char* home = std::getenv("HOME");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    kt::cli::Environment env;
    env.documents = kt::XdgDocumentsFolder(home ? home : "", config ? config : "");
    env.settingsFile = kt::FileSettingsStore::DefaultPath();
    env.lockOwner = "kinetrax-cli " + std::to_string(::getpid());
    const std::vector<std::string> words(argv + 1, argv + argc);
    return kt::cli::Run(words, env, std::cout, std::cerr);
}
