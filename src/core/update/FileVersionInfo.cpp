#include "core/update/FileVersionInfo.h"

#include "BuildInfo.h"

namespace kt {
namespace {

uint32_t Word(int high, int low) { return (static_cast<uint32_t>(high & 0xFFFF) << 16) | static_cast<uint32_t>(low & 0xFFFF); }

}  // namespace

CFileVersionInfo::CFileVersionInfo(const VersionNumber& v, std::array<std::string, 12> strings)
    : m_ms(Word(v.parts[0], v.parts[1])), m_ls(Word(v.parts[2], v.parts[3])), m_strings(std::move(strings)) {}

const CFileVersionInfo& CFileVersionInfo::Own() {
    using namespace kt::build;
    static const CFileVersionInfo own(VersionNumber{{static_cast<int>(kVersionMajor), static_cast<int>(kVersionMinor),
                                                     static_cast<int>(kVersionBuild), static_cast<int>(kVersionRevision)}},
                                      {kCompanyName, kFileDescription, kFileVersion, kInternalName, kLegalCopyright, kOriginalFileName,
                                       kProductName, kProductVersion, kComments, kLegalTrademarks, kPrivateBuild, kSpecialBuild});
    return own;
}

VersionNumber CFileVersionInfo::FileVersion() const {
    return VersionNumber{
        {static_cast<int>(m_ms >> 16), static_cast<int>(m_ms & 0xFFFF), static_cast<int>(m_ls >> 16), static_cast<int>(m_ls & 0xFFFF)}};
}

const std::string& CFileVersionInfo::Get(std::string_view key) const {
    static const std::string none;
    for (size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i] == key) return m_strings[i];
    }
    return none;
}

}  // namespace kt
