#include "core/update/UpdateSite.h"

#include "BuildInfo.h"

namespace kt {
namespace {

const UpdateSite* g_testSite = nullptr;

std::string Root(const std::string& scheme, const std::string& host) { return scheme + "://" + host + "/"; }

}  // namespace

const UpdateSite& ConfiguredUpdateSite() {
    static const UpdateSite configured{build::kUpdateScheme, build::kWebHost, build::kDownloadHost, build::kSupportAddress,
                                       build::kMakerAddress};
    return g_testSite ? *g_testSite : configured;
}

void SetUpdateSiteForTesting(const UpdateSite* site) { g_testSite = site; }

std::string WebSiteUrl(const UpdateSite& site) { return Root(site.scheme, site.webHost); }
std::string VersionFileUrl(const UpdateSite& site, const std::string& name) {
    return Root(site.scheme, site.webHost) + "Quorvane/" + name + "Version.txt";
}
std::string SetupFileUrl(const UpdateSite& site, const std::string& setupFile) { return Root(site.scheme, site.downloadHost) + setupFile; }
std::string MailtoUrl(const UpdateSite& site) { return "mailto:" + site.supportAddress; }

}  // namespace kt
