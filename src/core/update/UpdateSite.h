#pragma once
// Where the program asks for updates: the maker's web host (its site and the version file
// /Quorvane/<name>Version.txt), the host whose root holds the setup program, the support
// address and the maker's name and address for the About box. The values are build
// configuration (cmake/KtIdentity.cmake); hosts may carry a port ("127.0.0.1:8080").

#include <string>

namespace kt {

struct UpdateSite {
    std::string scheme;  // "https", or "http" for a host without TLS
    std::string webHost;
    std::string downloadHost;
    std::string supportAddress;
    std::string makerAddress;  // name and postal address, lines separated by "\n"
};

// The configured site, or the one a test installed.
const UpdateSite& ConfiguredUpdateSite();
// Tests point the program at a local server; nullptr restores the configured site. The object
// must outlive its use.
void SetUpdateSiteForTesting(const UpdateSite* site);

std::string WebSiteUrl(const UpdateSite& site);
std::string VersionFileUrl(const UpdateSite& site, const std::string& name);
std::string SetupFileUrl(const UpdateSite& site, const std::string& setupFile);
std::string MailtoUrl(const UpdateSite& site);

}  // namespace kt
