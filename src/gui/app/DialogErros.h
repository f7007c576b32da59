#pragma once

#include <QDialog>

// The non-modal list of fields to correct; "Ok" deletes it.
class DialogErros : public QDialog
{
    Q_OBJECT
public:
    DialogErros(const QString& title, const QString& text, QWidget* parent = nullptr);

public slots:
    void slotDestroy();
};
