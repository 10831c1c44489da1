// A datagram as the TFTP server reads it: request parsing, field access, the mode
// check and the file name rules. A name the rules let through stays inside the root.
#include "FuzzFiles.h"
#include "KwTFTPFileName.h"
#include "KwTFTPPacket.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int length = static_cast<int>(size > 4096 ? 4096 : size);
    const int opcode = KwTFTPPacket::OpcodeOf(data, length);
    const int block = KwTFTPPacket::BlockOf(data, length);
    FUZZ_CHECK(opcode >= -1 && opcode <= 0xFFFF && block >= -1 && block <= 0xFFFF);
    FUZZ_CHECK((length < 2) == (opcode == -1));

    int requestOpcode = 0;
    std::string fileName, mode;
    if (KwTFTPPacket::ParseRequest(data, length, requestOpcode, fileName, mode)) {
        FUZZ_CHECK(requestOpcode == KwTFTPPacket::RRQ || requestOpcode == KwTFTPPacket::WRQ);
        FUZZ_CHECK(fileName.find('\0') == std::string::npos && mode.find('\0') == std::string::npos);
        FUZZ_CHECK(static_cast<int>(fileName.size() + mode.size()) + 4 <= length);
        FUZZ_CHECK(std::memcmp(data + 2, fileName.data(), fileName.size()) == 0);
        KwTFTPPacket::IsKnownMode(mode);
        if (KwTFTPIsPlainFileName(AnsiString(fileName))) {
            const std::string path = KwTFTPFilePath(AnsiString("/served"), AnsiString(fileName));
            FUZZ_CHECK(path == "/served/" + fileName);
            FUZZ_CHECK(fileName.find_first_of("/\\") == std::string::npos && fileName != "..");
        }
    }

    std::uint8_t built[KwTFTPPacket::BufferSize];
    const int payload = length > 4 ? (length - 4 > 512 ? 512 : length - 4) : 0;
    const int dataLength = KwTFTPPacket::BuildData(built, static_cast<std::uint16_t>(block & 0xFFFF),
                                                   data + (length > 4 ? 4 : 0), payload);
    FUZZ_CHECK(dataLength == 4 + payload && KwTFTPPacket::OpcodeOf(built, dataLength) == KwTFTPPacket::DATA);
    return 0;
}
