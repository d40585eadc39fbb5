#pragma once

#include <QIcon>
#include <QString>

class QStandardItem;
class QStandardItemModel;
struct CheckUser;
struct DeviceInfo;

// Fills the navigation tree's model from the record store: a node per device,
// under it the check types its model offers, under some of those its users.
class TreeModelBuilder
{
public:
    // Item data roles every node carries.
    enum Role {
        KindRole = 257,
        CheckTypeRole = 258,
        UserIdRole = 259,
        SerialRole = 260,
        OnlineRole = 261,
        ModelRole = 262,
    };
    enum Kind { DeviceNode = 1, CountNode = 2, UsersNode = 3, UserNode = 4 };

    TreeModelBuilder();

    void setModel(QStandardItemModel* model) { m_model = model; }
    void buildAll();
    // After a download or after deleting a device's records. A device the
    // record store does not know is not added.
    void rebuildDevice(const QString& sn);
    void setOnlineIcon(QStandardItem* node, bool online) const;
    // After one record was deleted: lowers the shown count by one.
    void decrementCount(const QString& sn, int checkType, const QString& userid);
    void relabelMultiTestUser(const QString& sn, int checkType, const CheckUser& user);

    QStandardItem* deviceNode(const QString& sn) const;

private:
    QStandardItem* newDeviceNode(const DeviceInfo& device, bool online) const;
    void addCheckTypeChildren(QStandardItem* deviceNode, const DeviceInfo& device) const;
    void addCountNode(QStandardItem* deviceNode, const DeviceInfo& device, int checkType) const;
    void addUsersNode(QStandardItem* deviceNode, const DeviceInfo& device, int checkType, bool extended) const;

    QStandardItemModel* m_model = nullptr;
    QIcon m_onlineIcon;
    QIcon m_offlineIcon;
    QIcon m_userIcon;
};
