#include "profile/osd_record.h"

#include <cstring>

namespace {

constexpr std::size_t kProfileNoticeSwitchOffset = 8;
constexpr std::size_t kFirstValueOffset = 32;
constexpr std::size_t kSecondValueOffset = 36;

int32_t Field(const OsdRecordBytes& record, std::size_t offset) {
    int32_t value;
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
}

void SetField(OsdRecordBytes& record, std::size_t offset, int32_t value) {
    std::memcpy(record.data() + offset, &value, sizeof value);
}

}  // namespace

OsdSettingsFields UnpackOsdRecord(const OsdRecordBytes& record) {
    return {Field(record, kProfileNoticeSwitchOffset), Field(record, kFirstValueOffset),
            Field(record, kSecondValueOffset)};
}

void PackOsdRecord(const OsdSettingsFields& fields, OsdRecordBytes& record) {
    SetField(record, kProfileNoticeSwitchOffset, fields.ProfileNoticeSwitch);
    SetField(record, kFirstValueOffset, fields.FirstValue);
    SetField(record, kSecondValueOffset, fields.SecondValue);
}

OsdRecordBytes DefaultOsdRecord() {
    OsdRecordBytes record{};
    PackOsdRecord({.ProfileNoticeSwitch = 1}, record);
    return record;
}
