#pragma once
// A form as the user finds it, one named control a line: where it stands in
// its container, whether it shows, and what it says or is called; compared
// with the designed form kept in a text file under tests/.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QWidget>

namespace tidemark::testing {

inline QStringList formText(const QWidget& form) {
    QStringList lines;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")) continue;
        const auto* list = qobject_cast<const QComboBox*>(control);
        QString text = list ? list->currentText() : control->property("text").toString();
        if (text.isEmpty()) text = control->accessibleName();
        const QRect r = control->geometry();
        const QString place = QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        text.replace(PROJECT_VERSION, "<version>").replace("\n", "\\n");
        lines << control->objectName() + " " + place + (control->isVisibleTo(&form) ? " " : " hidden ") + text;
    }
    return lines;
}

// This run's text is left in the temporary folder under the file's name, to compare or take over.
inline void expectForm(const QStringList& lines, const QString& file) {
    QFile actual(QDir::temp().filePath(QFileInfo(file).fileName()));
    if (actual.open(QIODevice::WriteOnly)) actual.write(lines.join('\n').toUtf8() + '\n');
    QFile expected(QString(TEST_SOURCES) + "/" + file);
    EXPECT_TRUE(expected.open(QIODevice::ReadOnly)) << expected.fileName().toStdString();
    EXPECT_EQ(lines, QString(expected.readAll()).split('\n', Qt::SkipEmptyParts));
}

}  // namespace tidemark::testing
