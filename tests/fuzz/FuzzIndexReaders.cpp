// Any byte sequence given to the summary-file readers as every index file,
// user list, "dev.dat", "rec.dat" and Holter header: nothing may crash, and
// every record must survive decoding and encoding again.

#include "FuzzRequire.h"
#include "files/CheckRecord.h"
#include "files/CheckType.h"
#include "files/DeviceInfo.h"
#include "files/HolterHeader.h"
#include "files/MultiTestFile.h"
#include "files/RecordFile.h"
#include "files/RecordTypes.h"
#include "files/SleepTrend.h"
#include "files/UserRecord.h"
#include "files/XUserRecord.h"

#include <cstdint>

namespace {

// Decoding, encoding and decoding again settles on the same record, in both
// layouts, and the encoding has the record's size.
template <class R>
void checkRecords(const QList<QByteArray>& records)
{
    for (const QByteArray& bytes : records) {
        const QByteArray once = RecordCodec::encode(RecordCodec::decode<R>(bytes));
        require(once.size() == R::kSize);
        require(RecordCodec::encode(RecordCodec::decode<R>(once)) == once);
        CheckRecord stored;
        stored.bytes = RecordCodec::encode(RecordCodec::decode<R>(bytes), RecordCodec::Layout::Stored);
        require(RecordCodec::encode(stored.as<R>(), RecordCodec::Layout::Stored) == stored.bytes);
        const CheckTime t = stored.checkTime();
        const bool twoDigitFields = t.month < 100 && t.day < 100 && t.hour < 100 && t.minute < 100 && t.second < 100;
        require(!twoDigitFields || CheckTime::fromText(stored.checkTimeText()) == t);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));

    for (int code : CheckType::all()) {
        const QList<QByteArray> records = RecordFile::split(bytes, CheckType::recordSize(code));
        require(records.size() == (code == CheckType::Holter ? 0 : bytes.size() / CheckType::recordSize(code)));
        RecordTypes::dispatch(code, [&records](auto record) { checkRecords<decltype(record)>(records); });
    }

    for (const QByteArray& record : RecordFile::split(bytes, UserRecord::kSize)) {
        const CheckUser user = RecordCodec::decode<UserRecord>(record).toCheckUser("SN1");
        require(user.userid.startsWith("SN1") && !user.isXUser);
    }
    for (const QByteArray& record : RecordFile::split(bytes, XUserRecord::kSize)) {
        const CheckUser user = RecordCodec::decode<XUserRecord>(record).toCheckUser("SN1");
        require(user.sex >= 0 && user.sex <= 2 && user.isXUser);
    }

    if (const auto device = DeviceInfo::fromBytes(bytes)) {
        const auto again = DeviceInfo::fromBytes(device->toFileBytes());
        require(again && again->sn == device->sn && again->branchcode == device->branchcode &&
                again->appVer == device->appVer && again->agreementVer == device->agreementVer);
    } else {
        require(bytes.isEmpty());
    }

    const MultiTestFile multiTests = MultiTestFile::fromBytes(bytes);
    require(multiTests.status != MultiTestFile::Status::Unreadable);
    checkRecords<MultiTestRecord>(multiTests.records);

    if (const auto header = HolterHeader::fromBytes(bytes))
        require(!header->checkTimeText().isEmpty());

    require(SleepTrend::fromBytes(bytes).size() == bytes.size() / 2);
    return 0;
}
