#pragma once

#include <QWidget>

class AppContext;

/** A play-list window. It keeps its slot number as text, as every handler reaches its state through it. */
class FrmPlayList : public QWidget
{
    Q_OBJECT

public:
    explicit FrmPlayList(AppContext &context, QWidget *parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    int slot() const { return m_tag.toInt(); }

private:
    AppContext &m_context;
    QString m_tag;
};
