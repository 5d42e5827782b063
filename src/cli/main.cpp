// kinetrax-cli: the journal's command-line front end. Everything but the process's environment
// lives in core/cli, where the tests reach it.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "core/app/DataFolder.h"
#include "core/base/Format.h"
#include "core/cli/Cli.h"
#include "core/settings/FileSettingsStore.h"

int main(int argc, char** argv) {
    kt::ForceCLocale();
    kt::cli::Environment env;
    env.documents = kt::DocumentsFolderFromEnvironment();
    env.settingsFile = kt::FileSettingsStore::DefaultPath();
    env.lockOwner = "kinetrax-cli " + std::to_string(::getpid());
    const std::vector<std::string> words(argv + 1, argv + argc);
    return kt::cli::Run(words, env, std::cout, std::cerr);
}
