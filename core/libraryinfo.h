#ifndef LIBRARYINFO_H
#define LIBRARYINFO_H

#include <QByteArray>
#include <QString>

#include <cstdint>

// The 538-byte record the host reads with GetLibraryInfo. Packed byte by
// byte, little-endian; the text fields are 255 bytes, so every field after
// them sits at an odd offset.
class LibraryInfo
{
public:
    static constexpr int kSize = 538;
    static constexpr int kHandleOffset = 0;
    static constexpr int kModelOffset = 4;
    static constexpr int kDisplayNameOffset = 259;
    static constexpr int kTextSize = 255;
    static constexpr int kVersionMajorOffset = 514;
    static constexpr int kVersionMinorOffset = 518;
    static constexpr int kInfoWord3Offset = 522;
    static constexpr int kInfoWord4Offset = 526;
    static constexpr int kReservedOffset = 530;
    static constexpr int kInterfaceLevelOffset = 534;

    struct Fields
    {
        uint32_t handle = 0;
        QString modelName;
        QString displayName;
        int32_t versionMajor = 0;
        int32_t versionMinor = 0;
        int32_t infoWord3 = 0;
        int32_t infoWord4 = 0;
        int32_t interfaceLevel = 0;
    };

    static QByteArray pack(const Fields &fields);
    static Fields unpack(const QByteArray &record);

    static void putU32(char *at, uint32_t value);
    static uint32_t getU32(const char *at);
};

#endif // LIBRARYINFO_H
