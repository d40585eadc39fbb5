#include "gallery/Gallery.h"

#include <QDir>

void Gallery::add(const QString& name, Render render)
{
    m_screens.append({name, std::move(render)});
}

QStringList Gallery::renderAll(const QString& dir) const
{
    QStringList failed;
    if (!QDir().mkpath(dir)) {
        for (const Screen& screen : m_screens)
            failed << screen.name;
        return failed;
    }
    for (const Screen& screen : m_screens) {
        const QImage image = screen.render();
        if (image.isNull() || !image.save(dir + "/" + screen.name + ".png"))
            failed << screen.name;
    }
    return failed;
}
