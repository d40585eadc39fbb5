#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/MultiTestRecord.h"
#include "support/DbTestSupport.h"

#include <QMetaMethod>
#include <QtTest>

#include <list>

using namespace DbTestSupport;

Q_DECLARE_METATYPE(CheckUser)
Q_DECLARE_METATYPE(DeviceInfo)
Q_DECLARE_METATYPE(DeviceUser)
Q_DECLARE_METATYPE(CheckRecord)
Q_DECLARE_METATYPE(HolterCheck)

namespace {

// Every public slot of the store is one of its operations.
QList<QMetaMethod> storeOperations()
{
    QList<QMetaMethod> operations;
    const QMetaObject& meta = DbOperator::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Public)
            operations << method;
    }
    return operations;
}

// Arguments that would make each operation write or find something on an open
// store, one per parameter type; an output parameter gets a value to fill.
class Arguments
{
public:
    Arguments()
    {
        m_samples.insert("QString", "C1");
        m_samples.insert("int", int(CheckType::Ecg));
        m_samples.insert("bool", true);
        m_samples.insert("QByteArray", QByteArray(MultiTestRecord::kSize, '\1'));
        m_samples.insert("QByteArrayList", QVariant::fromValue(QList<QByteArray>{QByteArray(10, '\1')}));
        m_samples.insert("CheckUser", QVariant::fromValue(user("C1", "Ann", true)));
        m_samples.insert("QList<CheckUser>", QVariant::fromValue(QList<CheckUser>{user("C1", "Ann")}));
        m_samples.insert("DeviceInfo", QVariant::fromValue(device("C2", 0)));
    }

    // The argument for a parameter of that type; an invalid one when the type is new to this test.
    QGenericArgument of(const QByteArray& type)
    {
        m_names.push_back(type);
        const char* name = m_names.back().constData();
        if (type.endsWith('*')) {
            const int pointee = QMetaType::type(type.chopped(1));
            if (pointee == QMetaType::UnknownType)
                return QGenericArgument();
            m_outputs.emplace_back(pointee, nullptr);
            m_pointers.push_back(m_outputs.back().data());
            return QGenericArgument(name, &m_pointers.back());
        }
        if (!m_samples.contains(type))
            return QGenericArgument();
        m_used.push_back(m_samples.value(type));
        return QGenericArgument(name, m_used.back().constData());
    }

private:
    QMap<QByteArray, QVariant> m_samples;
    // Lists, so the names and values stay where the arguments point.
    std::list<QByteArray> m_names;
    std::list<QVariant> m_used;
    std::list<QVariant> m_outputs;
    std::list<void*> m_pointers;
};

// False, zero, empty: what an operation hands back when it failed. A result
// of another kind never counts as one.
bool isFailure(const QVariant& result)
{
    switch (result.userType()) {
    case QMetaType::Bool:
    case QMetaType::Int: return !result.toBool();
    case QMetaType::QString: return result.toString().isEmpty();
    default: return result.canConvert<QVariantList>() && result.value<QSequentialIterable>().size() == 0;
    }
}

} // namespace

// While the connection is closed (as during a data-directory move) every
// operation fails, says so in the diagnostics and touches nothing. The
// operations are found through the meta-object, so a new one is tested too.
class TestDbClosedConnection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void operationFails_data();
    void operationFails();
    void cleanupTestCase();
};

void TestDbClosedConnection::initTestCase()
{
    qRegisterMetaType<CheckUser>();
    qRegisterMetaType<DeviceInfo>();
    qRegisterMetaType<QList<DeviceInfo>>();
    qRegisterMetaType<QList<DeviceUser>>();
    qRegisterMetaType<QList<CheckRecord>>();
    qRegisterMetaType<QList<HolterCheck>>();
    qRegisterMetaType<QSet<QString>>();
    freshDataDir();
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(device("C1", 0)));
    QVERIFY(db->storeUsers("C1", {user("C1", "Ann")}));
    db->close();
}

void TestDbClosedConnection::operationFails_data()
{
    QTest::addColumn<QByteArray>("signature");
    const QList<QMetaMethod> operations = storeOperations();
    QVERIFY2(operations.size() > 1, "the store's operations are no longer public slots");
    for (const QMetaMethod& method : operations)
        QTest::newRow(method.methodSignature().constData()) << method.methodSignature();
}

void TestDbClosedConnection::operationFails()
{
    QFETCH(QByteArray, signature);
    DbOperator* db = DbOperator::instance();
    const QMetaMethod method = db->metaObject()->method(db->metaObject()->indexOfMethod(signature));
    QVERIFY(method.isValid());
    QVERIFY2(method.parameterCount() <= 10, "QMetaMethod::invoke takes at most ten arguments");

    Arguments arguments;
    QGenericArgument values[10];
    for (int i = 0; i < method.parameterCount(); ++i) {
        const QByteArray type = method.parameterTypes().at(i);
        values[i] = arguments.of(type);
        QVERIFY2(values[i].data(), ("give this test a sample argument of type " + type).constData());
    }
    const int resultType = method.returnType();
    QVERIFY2(resultType != QMetaType::UnknownType,
             (QByteArray("register the result type ") + method.typeName()).constData());
    QVariant result(resultType, nullptr);

    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("the record database is closed"));
    QVERIFY(method.invoke(db, Qt::DirectConnection, QGenericReturnArgument(method.typeName(), result.data()), values[0],
                          values[1], values[2], values[3], values[4], values[5], values[6], values[7], values[8],
                          values[9]));
    QVERIFY2(isFailure(result), qPrintable(result.toString()));
}

void TestDbClosedConnection::cleanupTestCase()
{
    QVERIFY(DbOperator::instance()->openAndInit());
    QCOMPARE(rows("tb_device"), 1);
    QCOMPARE(rows("tb_user"), 1);
    QCOMPARE(rows("tb_devCheck"), 0);
    QCOMPARE(rows("tb_reportuser"), 0);
    QCOMPARE(rows("tb_multitest_hide"), 0);
}

QTEST_GUILESS_MAIN(TestDbClosedConnection)
#include "TestDbClosedConnection.moc"
