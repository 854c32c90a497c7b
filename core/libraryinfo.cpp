#include "core/libraryinfo.h"

#include "core/codepage.h"

#include <cstring>

void LibraryInfo::putU32(char *at, uint32_t value)
{
    at[0] = char(value & 0xFF);
    at[1] = char((value >> 8) & 0xFF);
    at[2] = char((value >> 16) & 0xFF);
    at[3] = char((value >> 24) & 0xFF);
}

uint32_t LibraryInfo::getU32(const char *at)
{
    const auto *b = reinterpret_cast<const unsigned char *>(at);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

static void putText(char *at, const QString &text)
{
    // At most 254 bytes of text so that the field always ends in a NUL.
    const QByteArray bytes = CodePage::fromUnicodeCut(text, LibraryInfo::kTextSize - 1);
    std::memcpy(at, bytes.constData(), size_t(bytes.size()));
}

static QString getText(const char *at)
{
    return CodePage::toUnicode(at, qstrnlen(at, LibraryInfo::kTextSize));
}

QByteArray LibraryInfo::pack(const Fields &f)
{
    QByteArray record(kSize, '\0');
    char *p = record.data();
    putU32(p + kHandleOffset, f.handle);
    putText(p + kModelOffset, f.modelName);
    putText(p + kDisplayNameOffset, f.displayName);
    putU32(p + kVersionMajorOffset, uint32_t(f.versionMajor));
    putU32(p + kVersionMinorOffset, uint32_t(f.versionMinor));
    putU32(p + kInfoWord3Offset, uint32_t(f.infoWord3));
    putU32(p + kInfoWord4Offset, uint32_t(f.infoWord4));
    putU32(p + kReservedOffset, 0);
    putU32(p + kInterfaceLevelOffset, uint32_t(f.interfaceLevel));
    return record;
}

LibraryInfo::Fields LibraryInfo::unpack(const QByteArray &record)
{
    Fields f;
    if (record.size() < kSize)
        return f;
    const char *p = record.constData();
    f.handle = getU32(p + kHandleOffset);
    f.modelName = getText(p + kModelOffset);
    f.displayName = getText(p + kDisplayNameOffset);
    f.versionMajor = int32_t(getU32(p + kVersionMajorOffset));
    f.versionMinor = int32_t(getU32(p + kVersionMinorOffset));
    f.infoWord3 = int32_t(getU32(p + kInfoWord3Offset));
    f.infoWord4 = int32_t(getU32(p + kInfoWord4Offset));
    f.interfaceLevel = int32_t(getU32(p + kInterfaceLevelOffset));
    return f;
}
