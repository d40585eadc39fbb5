#include "gallery/MainWindowScreens.h"

#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/DeviceModel.h"
#include "gallery/Gallery.h"
#include "ui/MainWindow.h"
#include "ui/records/MyListWidget.h"
#include "ui/records/TreeModelBuilder.h"
#include "ui/records/TreeViewST.h"

#include <QApplication>
#include <QTemporaryDir>

#include <functional>

namespace {

const QSize kWindowSize(1124, 768);

// The first node, depth first, that the test accepts.
using Accepts = std::function<bool(const QModelIndex&)>;

QModelIndex findNode(const QAbstractItemModel* model, const QModelIndex& parent, const Accepts& accepts)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex node = model->index(row, 0, parent);
        if (accepts(node))
            return node;
        const QModelIndex below = findNode(model, node, accepts);
        if (below.isValid())
            return below;
    }
    return QModelIndex();
}

int kind(const QModelIndex& node)
{
    return node.data(TreeModelBuilder::KindRole).toInt();
}

int deviceModel(const QModelIndex& node)
{
    QModelIndex device = node;
    while (device.parent().isValid())
        device = device.parent();
    return device.data(TreeModelBuilder::ModelRole).toInt();
}

QImage grabWindow(MainWindow& window)
{
    window.resize(kWindowSize);
    window.show();
    QApplication::processEvents();
    QApplication::processEvents();
    return window.grab().toImage();
}

// The window with the accepted node selected (and the first row of its list).
QImage render(const Accepts& accepts)
{
    MainWindow window;
    auto* tree = window.findChild<TreeViewST*>("treeView");
    const QModelIndex node = findNode(tree->model(), QModelIndex(), accepts);
    if (!node.isValid())
        return QImage();
    tree->expandAll();
    tree->setCurrentIndex(node);
    auto* list = window.findChild<MyListWidget*>("listWidget");
    if (kind(node) != TreeModelBuilder::DeviceNode && list->count() > 0 && !list->isFill())
        list->item(0)->setSelected(true);
    return grabWindow(window);
}

// The window over a scratch record store that `fill` prepares, with the
// accepted node (if any) selected; the gallery's own store is back afterwards.
QImage renderScratch(const std::function<bool()>& fill, const Accepts& accepts)
{
    QTemporaryDir scratch;
    const QString dataDir = Config::instance()->dataDir();
    DbOperator::instance()->close();
    Config::instance()->setDataDir(scratch.path());
    QImage image;
    if (DbOperator::instance()->openAndInit() && fill())
        image = accepts ? render(accepts) : [] {
            MainWindow window;
            return grabWindow(window);
        }();
    DbOperator::instance()->close();
    Config::instance()->setDataDir(dataDir);
    DbOperator::instance()->openAndInit();
    return image;
}

// A monitor that was registered but has no checks stored.
bool storeBareDevice()
{
    DeviceInfo device;
    device.sn = QStringLiteral("02004711");
    device.appVer = 0x00031100;
    return DbOperator::instance()->storeDevice(device);
}

bool hasCount(const QModelIndex& node, bool empty)
{
    return node.data().toString().endsWith("(0)") == empty;
}

} // namespace

namespace MainWindowScreens {

void addTo(Gallery& gallery)
{
    gallery.add("MainWindow_Empty", [] { return renderScratch([] { return true; }, nullptr); });
    gallery.add("MainWindow_Device", [] { return render([](const QModelIndex& n) { return kind(n) == 1; }); });
    gallery.add("MainWindow_CountNode", [] {
        return render(
            [](const QModelIndex& n) { return kind(n) == TreeModelBuilder::CountNode && hasCount(n, false); });
    });
    gallery.add("MainWindow_UsersNode", [] {
        return render(
            [](const QModelIndex& n) { return kind(n) == TreeModelBuilder::UsersNode && n.model()->rowCount(n) > 0; });
    });
    gallery.add("MainWindow_UserNode",
                [] { return render([](const QModelIndex& n) { return kind(n) == TreeModelBuilder::UserNode; }); });
    gallery.add("MainWindow_NoData", [] {
        return renderScratch(storeBareDevice,
                             [](const QModelIndex& n) { return kind(n) == TreeModelBuilder::CountNode; });
    });
    gallery.add("MainWindow_Filters", [] {
        return render([](const QModelIndex& n) {
            return kind(n) == TreeModelBuilder::CountNode && deviceModel(n) == DeviceModel::kQmr4Type &&
                hasCount(n, false);
        });
    });
}

} // namespace MainWindowScreens
