#include "app/DialogErros.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DialogErros::DialogErros(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    layout->addWidget(ok);
    connect(ok, SIGNAL(clicked()), this, SLOT(slotDestroy()));
    show();
}

void DialogErros::slotDestroy()
{
    deleteLater();
}
