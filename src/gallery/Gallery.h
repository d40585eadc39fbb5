#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The screens the gallery draws, each under the name of its file. Each part
// of the program adds its own screens.
class Gallery
{
public:
    using Render = std::function<QImage()>;

    void add(const QString& name, Render render);
    int size() const { return m_screens.size(); }
    // Writes dir/<name>.png for every screen and returns the names of those
    // that drew nothing or could not be written.
    QStringList renderAll(const QString& dir) const;

private:
    struct Screen
    {
        QString name;
        Render render;
    };
    QVector<Screen> m_screens;
};
