// The server's version file: any answer gives a version; a file written for a version reads back
// as that version, and the check's decision never fails on what a server sends.

#include "core/update/VersionCheck.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(kt::fuzz::Bytes(data, size));
    const kt::WebVersion web = kt::ParseVersionFile(bytes);
    kt::VersionNumber clamped = web.version;
    for (int& part : clamped.parts) part = part < 0 ? 0 : part;
    const kt::WebVersion back = kt::ParseVersionFile(kt::VersionFileContent(web.created, clamped));
    kt::fuzz::Expect(back.version == clamped && back.created == web.created, "a written version file reads back", kt::VersionText(clamped),
                     kt::VersionText(back.version));
    const kt::CFileVersionInfo own(kt::VersionNumber{{2, 6, 1, 5}}, {});
    const auto request = kt::EvaluateVersionResponse(bytes, own, {true, true, "KT"});
    kt::fuzz::Expect(!request || !request->message.empty(), "a dialog always has a message");
    return 0;
}
