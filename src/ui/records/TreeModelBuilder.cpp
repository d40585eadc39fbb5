#include "ui/records/TreeModelBuilder.h"

#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/CheckUser.h"
#include "files/DeviceInfo.h"
#include "files/DeviceModel.h"

#include <QStandardItemModel>

namespace {

QIcon checkTypeIcon(int checkType)
{
    const QString picture = CheckType::treeIcon(checkType);
    return picture.isEmpty() ? QIcon() : QIcon(picture);
}

QString countText(const QString& label, int count)
{
    return QStringLiteral("%1  (%2)").arg(label).arg(count);
}

QString multiTestLabel(const QString& name, const QString& medicalid)
{
    return name.isEmpty() ? medicalid : QStringLiteral("%1_%2").arg(name, medicalid);
}

QStandardItem* newNode(const QString& text, const QIcon& icon, int kind, const QString& sn)
{
    auto* node = new QStandardItem(icon, text);
    node->setEditable(false);
    node->setData(kind, TreeModelBuilder::KindRole);
    node->setData(sn, TreeModelBuilder::SerialRole);
    return node;
}

} // namespace

TreeModelBuilder::TreeModelBuilder()
    : m_onlineIcon(":/treeOnline")
    , m_offlineIcon(":/treeOffline")
    , m_userIcon(":/user")
{}

void TreeModelBuilder::buildAll()
{
    const QList<DeviceInfo> devices = DbOperator::instance()->allDevices();
    for (const DeviceInfo& device : devices) {
        QStandardItem* node = newDeviceNode(device, false);
        addCheckTypeChildren(node, device);
        m_model->appendRow(node);
    }
}

void TreeModelBuilder::rebuildDevice(const QString& sn)
{
    DeviceInfo device;
    if (!DbOperator::instance()->device(sn, &device))
        return;
    QStandardItem* node = deviceNode(sn);
    if (node) {
        node->removeRows(0, node->rowCount());
    } else {
        node = newDeviceNode(device, true);
        m_model->insertRow(0, node);
    }
    addCheckTypeChildren(node, device);
}

void TreeModelBuilder::setOnlineIcon(QStandardItem* node, bool online) const
{
    node->setIcon(online ? m_onlineIcon : m_offlineIcon);
}

void TreeModelBuilder::decrementCount(const QString& sn, int checkType, const QString& userid)
{
    QStandardItem* device = deviceNode(sn);
    if (!device)
        return;
    for (int i = 0; i < device->rowCount(); ++i) {
        QStandardItem* typeNode = device->child(i);
        if (typeNode->data(CheckTypeRole).toInt() != checkType)
            continue;
        QStandardItem* target = typeNode;
        for (int j = 0; j < typeNode->rowCount(); ++j) {
            if (typeNode->child(j)->data(UserIdRole).toString() == userid) {
                target = typeNode->child(j);
                break;
            }
        }
        QString text = target->text();
        const int open = text.lastIndexOf('(');
        const int close = text.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        const int count = text.mid(open + 1, close - open - 1).toInt();
        text.replace(open + 1, close - open - 1, QString::number(count - 1));
        target->setText(text);
    }
}

void TreeModelBuilder::relabelMultiTestUser(const QString& sn, int checkType, const CheckUser& user)
{
    if (checkType != CheckType::MultiTest)
        return;
    QStandardItem* device = deviceNode(sn);
    if (!device)
        return;
    DbOperator* db = DbOperator::instance();
    for (int i = 0; i < device->rowCount(); ++i) {
        QStandardItem* typeNode = device->child(i);
        if (typeNode->data(CheckTypeRole).toInt() != CheckType::MultiTest)
            continue;
        for (int j = 0; j < typeNode->rowCount(); ++j) {
            QStandardItem* userNode = typeNode->child(j);
            if (userNode->data(UserIdRole).toString() != user.userid)
                continue;
            const QString label = multiTestLabel(db->multiTestUserName(sn, user.medicalid), user.medicalid);
            const QString text = countText(label, db->multiTestCount(sn, user.medicalid));
            userNode->setText(text);
            userNode->setToolTip(text);
        }
    }
}

QStandardItem* TreeModelBuilder::deviceNode(const QString& sn) const
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem* node = m_model->item(row);
        if (node->data(SerialRole).toString() == sn)
            return node;
    }
    return nullptr;
}

QStandardItem* TreeModelBuilder::newDeviceNode(const DeviceInfo& device, bool online) const
{
    QStandardItem* node = newNode(DeviceModel::of(device.modelType).keyPrefix() + device.sn,
                                  online ? m_onlineIcon : m_offlineIcon, DeviceNode, device.sn);
    node->setSizeHint(QSize(5, 24));
    node->setData(online, OnlineRole);
    node->setData(int(device.modelType), ModelRole);
    return node;
}

void TreeModelBuilder::addCheckTypeChildren(QStandardItem* deviceNode, const DeviceInfo& device) const
{
    const bool dailyOnlyModel = device.modelType == DeviceModel::kQmr4Type;
    for (int type : {CheckType::CorvisetDailyCheck, CheckType::Ecg, CheckType::Oxi, CheckType::Temperature,
                     CheckType::Sleep, CheckType::Spo2Temp})
        addCountNode(deviceNode, device, type);
    addUsersNode(deviceNode, device, CheckType::Pedometer, false);
    addCountNode(deviceNode, device, CheckType::BloodPressure);
    addUsersNode(deviceNode, device, CheckType::UserBloodPressure, false);
    if (dailyOnlyModel)
        addCountNode(deviceNode, device, CheckType::DailyCheck);
    else
        addUsersNode(deviceNode, device, CheckType::DailyCheck, false);
    addUsersNode(deviceNode, device, CheckType::SpotCheck, true);
    addUsersNode(deviceNode, device, CheckType::Holter, false);
    addUsersNode(deviceNode, device, CheckType::UserGlucose, false);
    addCountNode(deviceNode, device, CheckType::Glucose);
    if (Config::instance()->isChineseEdition())
        addUsersNode(deviceNode, device, CheckType::MultiTest, true);
}

void TreeModelBuilder::addCountNode(QStandardItem* deviceNode, const DeviceInfo& device, int checkType) const
{
    if (!DeviceModel::of(device.modelType).offers(checkType))
        return;
    // The two-user daily-check monitor shows all its checks under the ZoravIvide name and picture.
    const bool dailyOnlyModel = device.modelType == DeviceModel::kQmr4Type;
    const int shownType = dailyOnlyModel ? int(CheckType::CorvisetDailyCheck) : checkType;
    const QString name = CheckType::name(shownType);
    const QIcon icon = checkTypeIcon(shownType);
    const int count = DbOperator::instance()->checkCount(device.sn, checkType);
    QStandardItem* node = newNode(countText(name, count), icon, CountNode, device.sn);
    node->setData(checkType, CheckTypeRole);
    deviceNode->appendRow(node);
}

void TreeModelBuilder::addUsersNode(QStandardItem* deviceNode, const DeviceInfo& device, int checkType,
                                    bool extended) const
{
    if (!DeviceModel::of(device.modelType).offers(checkType))
        return;
    QStandardItem* node = newNode(CheckType::name(checkType), checkTypeIcon(checkType), UsersNode, device.sn);
    node->setData(checkType, CheckTypeRole);
    DbOperator* db = DbOperator::instance();
    const QList<DeviceUser> users = db->deviceUsers(device.sn, checkType, extended);
    for (const DeviceUser& user : users) {
        QString label = user.displayName;
        if (checkType == CheckType::MultiTest) {
            if (db->isMultiTestUserHidden(device.sn, user.medicalid))
                continue;
            label = multiTestLabel(user.name, user.medicalid);
        }
        const QString text = countText(label, user.count);
        QStandardItem* child = newNode(text, m_userIcon, UserNode, device.sn);
        child->setToolTip(text);
        child->setData(checkType, CheckTypeRole);
        if (!user.userid.isEmpty())
            child->setData(user.userid, UserIdRole);
        node->appendRow(child);
    }
    deviceNode->appendRow(node);
}
