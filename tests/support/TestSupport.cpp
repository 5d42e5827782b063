#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"

namespace kt::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kt-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests may leave read-only folders behind; give the owner its rights back first.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec); !ec && it != std::filesystem::recursive_directory_iterator();
         it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    }
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::filesystem::path TestCacheDir() {
    const std::filesystem::path dir(KT_TEST_CACHE_DIR);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return dir;
}

std::filesystem::path TestDataDir() {
    // Beside the sources, unless KT_TEST_DATA names another copy.
    const char* dir = std::getenv("KT_TEST_DATA");
    return dir ? std::filesystem::path(dir) : std::filesystem::path(KT_SOURCE_TEST_DATA);
}

std::string DumpRecords(const CKT2Doc& doc) {
    std::string out;
    for (const CEventRecord& r : doc.Records()) {
        out += Format("%lld|%s|%s|%.17g|%s|%.17g|%.17g|%d|%u|%s\n", static_cast<long long>(r.m_time), r.m_strType.c_str(),
                      r.m_strDescription.c_str(), r.m_dDuration, r.m_strLocation.c_str(), r.m_dCalories, r.m_dWeight, r.m_bMetric,
                      r.m_nFile, r.m_strNotes.c_str());
    }
    return out;
}

}  // namespace kt::test
