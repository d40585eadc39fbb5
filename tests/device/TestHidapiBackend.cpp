#include "device/HidapiBackend.h"

#include <QtTest>

namespace {

// hidapi as a test sets it out: the enumerated paths, those that refuse to
// open, those of them without permission, and a log of the opens and closes asked for.
struct FakeHidapi
{
    QList<QByteArray> paths{"/dev/hidraw0", "/dev/hidraw1"};
    QList<QByteArray> refusing;
    QList<QByteArray> denied;
    QStringList calls;

    HidapiBackend::Access access()
    {
        HidapiBackend::Access access;
        access.enumerate = [this](unsigned short vendorId, unsigned short productId) {
            calls << QString("enumerate %1:%2").arg(vendorId, 0, 16).arg(productId, 0, 16);
            return paths;
        };
        access.openPath = [this](const QByteArray& path) {
            calls << "open " + path;
            const int index = paths.indexOf(path);
            // Handles are never dereferenced outside hidapi, so the fake numbers them.
            return refusing.contains(path) ? nullptr : reinterpret_cast<hid_device_*>(quintptr(index + 1));
        };
        access.close = [this](hid_device_* handle) { calls << QString("close %1").arg(quintptr(handle)); };
        access.permissionDenied = [this](const QByteArray& path) { return denied.contains(path); };
        return access;
    }
};

} // namespace

// The real-USB backend's bookkeeping of the device paths this process holds.
class TestHidapiBackend : public QObject
{
    Q_OBJECT
private slots:
    void heldPathIsNotOpenedTwice();
    void closedPathOpensAgain();
    void refusedPathIsPassedOver();
    void deniedPathsAreNamed();
};

void TestHidapiBackend::heldPathIsNotOpenedTwice()
{
    FakeHidapi hidapi;
    HidapiBackend backend(hidapi.access());
    std::unique_ptr<HidDevice> first = backend.open(0xC25A, 0x330E);
    std::unique_ptr<HidDevice> second = backend.open(0xC25A, 0x330E);
    std::unique_ptr<HidDevice> third = backend.open(0xC25A, 0x330E);
    QVERIFY(first);
    QVERIFY(second);
    QVERIFY(!third);
    QCOMPARE(hidapi.calls,
             (QStringList{"enumerate c25a:330e", "open /dev/hidraw0", "enumerate c25a:330e", "open /dev/hidraw1",
                          "enumerate c25a:330e"}));
    backend.close(std::move(first));
    backend.close(std::move(second));
}

void TestHidapiBackend::closedPathOpensAgain()
{
    FakeHidapi hidapi;
    HidapiBackend backend(hidapi.access());
    std::unique_ptr<HidDevice> first = backend.open(0xC25A, 0x330E);
    std::unique_ptr<HidDevice> second = backend.open(0xC25A, 0x330E);
    backend.close(std::move(first));
    hidapi.calls.clear();
    std::unique_ptr<HidDevice> again = backend.open(0xC25A, 0x330E);
    QVERIFY(again);
    QCOMPARE(hidapi.calls, (QStringList{"enumerate c25a:330e", "open /dev/hidraw0"}));
    backend.close(std::move(again));
    backend.close(std::move(second));
    QCOMPARE(hidapi.calls.mid(2), (QStringList{"close 1", "close 2"}));
}

void TestHidapiBackend::refusedPathIsPassedOver()
{
    FakeHidapi hidapi;
    hidapi.refusing = {"/dev/hidraw0"};
    HidapiBackend backend(hidapi.access());
    std::unique_ptr<HidDevice> opened = backend.open(0xC25A, 0x330E);
    QVERIFY(opened);
    QVERIFY(!backend.open(0xC25A, 0x330E));
    QCOMPARE(hidapi.calls,
             (QStringList{"enumerate c25a:330e", "open /dev/hidraw0", "open /dev/hidraw1", "enumerate c25a:330e",
                          "open /dev/hidraw0"}));
    backend.close(std::move(opened));
}

// Only a present node that refuses for lack of permission is named; a held one never is.
void TestHidapiBackend::deniedPathsAreNamed()
{
    FakeHidapi hidapi;
    hidapi.paths << "/dev/hidraw2";
    hidapi.refusing = {"/dev/hidraw0", "/dev/hidraw2"};
    hidapi.denied = {"/dev/hidraw0"};
    HidapiBackend backend(hidapi.access());
    QCOMPARE(backend.deniedPaths(0xC25A, 0x330E), QStringList{"/dev/hidraw0"});
    std::unique_ptr<HidDevice> opened = backend.open(0xC25A, 0x330E);
    QVERIFY(opened);
    hidapi.denied << "/dev/hidraw1";
    QCOMPARE(backend.deniedPaths(0xC25A, 0x330E), QStringList{"/dev/hidraw0"});
    backend.close(std::move(opened));
    QCOMPARE(backend.deniedPaths(0xC25A, 0x330E), (QStringList{"/dev/hidraw0", "/dev/hidraw1"}));
}

QTEST_GUILESS_MAIN(TestHidapiBackend)
#include "TestHidapiBackend.moc"
