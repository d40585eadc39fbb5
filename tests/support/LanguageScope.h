#pragma once

#include "app/Config.h"
#include "app/LanguageTable.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QTranslator>

// Shows the program in one language for the scope's life: its translation,
// its display language for dates and numbers, and the setting; English again
// afterwards. For tests that go through every language.
class LanguageScope
{
public:
    explicit LanguageScope(int languageCode)
    {
        QString file = LanguageTable::forCode(languageCode).translationFile;
        // The table gives the Chinese edition's code the English texts.
        if (languageCode == 2)
            file = "://translations/chinese_simplified.qm";
        m_loaded = m_translator.load(file);
        QCoreApplication::installTranslator(&m_translator);
        DisplayLanguage::set(LanguageTable::forCode(languageCode).displayLanguage);
        Config::instance()->setLanguage(languageCode);
    }
    ~LanguageScope()
    {
        QCoreApplication::removeTranslator(&m_translator);
        DisplayLanguage::set(QLocale::English);
        Config::instance()->setLanguage(1);
    }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

    bool isLoaded() const { return m_loaded; }

    // Every language's code with a name for a test row.
    static QList<QPair<int, QString>> all()
    {
        return {{1, "english"}, {2, "chinese"}, {3, "french"}, {4, "german"}, {5, "italian"}, {6, "spanish"}};
    }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};
