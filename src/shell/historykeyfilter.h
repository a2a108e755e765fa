#pragma once

#include <QObject>

namespace kinrow {

class Session;

// While the user browses, the person page's fields hold no typing of their own to undo: the
// undo and redo keys there belong to the family's history, not to the field.
class HistoryKeyFilter : public QObject
{
public:
    HistoryKeyFilter(const Session& session, QObject* parent) : QObject(parent), session_(session)
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Session& session_;
};

} // namespace kinrow
