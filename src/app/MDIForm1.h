#pragma once

#include <QMainWindow>

class AppContext;
class QMdiArea;

/** The main frame: holds every play-list window and the program's other child windows. */
class MDIForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit MDIForm1(AppContext &context, QWidget *parent = nullptr);

    /** Shows the frame and sets up the window table with its hidden window in slot 1. */
    void MDIForm_Load();
    void setBackColour(const QColor &colour);
    QMdiArea *mdiArea() const { return m_area; }

signals:
    /** The frame has closed for good; the program ends. */
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void MDIForm_Unload();

    AppContext &m_context;
    QMdiArea *m_area;
};
