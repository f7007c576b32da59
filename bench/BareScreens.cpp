#include "bench/BareScreens.h"

#include <QCheckBox>
#include <QDomElement>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QString attribute(const QDomElement& element, const char* name)
{
    return element.attribute(QLatin1String(name));
}

QString hintOf(const QDomElement& signal)
{
    if (signal.hasAttribute(QStringLiteral("min")) && signal.hasAttribute(QStringLiteral("max")))
        return QStringLiteral("Минимум: ") + attribute(signal, "min") + QStringLiteral("<br>") +
               QStringLiteral("Максимум: ") + attribute(signal, "max");
    if (signal.hasAttribute(QStringLiteral("lenMax")))
        return QStringLiteral("Максимальная длина: ") + attribute(signal, "lenMax");
    return QString();
}

void addEditors(const QDomElement& signal, QVBoxLayout* layout)
{
    const QString type = attribute(signal, "type");
    const QString value = attribute(signal, "value");
    if (type == QLatin1String("bit")) {
        auto* box = new QCheckBox;
        box->setChecked(value == QLatin1String("1"));
        layout->addWidget(box);
        return;
    }
    if (type == QLatin1String("enum") || type == QLatin1String("flags")) {
        const QDomElement items = signal.firstChildElement(QStringLiteral("namedValues"));
        for (QDomElement item = items.firstChildElement(QStringLiteral("item")); !item.isNull();
             item = item.nextSiblingElement(QStringLiteral("item"))) {
            QAbstractButton* button = nullptr;
            if (type == QLatin1String("enum"))
                button = new QRadioButton(attribute(item, "name"));
            else
                button = new QCheckBox(attribute(item, "name"));
            button->setObjectName(attribute(item, "key"));
            layout->addWidget(button);
        }
        return;
    }
    auto* edit = new QLineEdit;
    edit->setText(value);
    layout->addWidget(edit);
}

void addLine(const QDomElement& signal, QGroupBox* box, QGridLayout* grid)
{
    new QObject(box);
    QString caption = attribute(signal, "name");
    if (!attribute(signal, "measure").isEmpty())
        caption += QStringLiteral(", ") + attribute(signal, "measure");
    auto* editor = new QWidget;
    auto* layout = new QVBoxLayout;
    addEditors(signal, layout);
    editor->setLayout(layout);
    auto* separator = new QFrame(box);
    separator->setFrameStyle(QFrame::HLine | QFrame::Raised);
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption), row, 1);
    grid->addWidget(editor, row, 2);
    auto* hint = new QLabel;
    hint->setTextFormat(Qt::PlainText);
    hint->setText(hintOf(signal));
    grid->addWidget(hint, row, 3);
    grid->addWidget(separator, row + 1, 1, 1, 3);
}

void buildContainer(const QDomElement& container, QWidget* parent)
{
    QGroupBox* box = nullptr;
    QGridLayout* grid = nullptr;
    for (QDomElement child = container.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("container")) {
            buildContainer(child, parent);
        } else if (child.tagName() == QLatin1String("signal")) {
            if (!box) {
                box = new QGroupBox;
                box->hide();
                grid = new QGridLayout(box);
                box->setParent(parent);
            }
            addLine(child, box, grid);
        }
    }
}
} // namespace

void BareScreens::build(const QDomElement& root, QWidget* parent)
{
    for (QDomElement child = root.firstChildElement(QStringLiteral("container")); !child.isNull();
         child = child.nextSiblingElement(QStringLiteral("container")))
        buildContainer(child, parent);
}
