#include "connection_dialog/frm_com_probe.h"

#include "connection_dialog/frm_com.h"
#include "desktop/translation.h"
#include "link/port_probe.h"
#include "link/trace.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace comm {

// Runs the search while the dialog's other controls wait; CANCEL stays live, and closing
// the dialog ends the search with every port closed.
class Probe_panel final : public QObject {
    Q_OBJECT
public:
    explicit Probe_panel(FrmCom &dialog);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start();
    void show_results(const std::vector<Probe_result> &results);
    QString outcome_text(const Probe_result &r) const;
    void hold_controls(bool hold);
    void show_text(const QString &text);
    void place_button();
    void place_results();
    void reset();

    FrmCom &dialog_;
    QPushButton *button_;
    QLabel *results_;
    Port_probe probe_;
    std::vector<QPointer<QWidget>> held_;
};

Probe_panel::Probe_panel(FrmCom &dialog)
    : QObject(&dialog),
      dialog_(dialog),
      button_(new QPushButton(dialog.Combo_com->parentWidget())),
      results_(new QLabel(&dialog)),
      probe_([this](const std::vector<Probe_result> &results) { show_results(results); })
{
    button_->setObjectName(QStringLiteral("Command_probe"));
    desktop::show_text(button_, "comm::Probe_panel", QT_TRANSLATE_NOOP("comm::Probe_panel", "自動検出"));
    desktop::show_tip(button_, "comm::Probe_panel",
                    QT_TRANSLATE_NOOP("comm::Probe_panel", "COM1～COM9 のすべてのポートでライターを探します"));
    results_->setObjectName(QStringLiteral("Label_probe"));
    results_->setWordWrap(true);
    results_->setTextFormat(Qt::PlainText);
    results_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    results_->setFrameShape(QFrame::StyledPanel);
    // As wide as the dialog's settings, as tall as its lines.
    results_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    place_button();
    place_results();

    connect(button_, &QPushButton::clicked, this, [this] { start(); });
    connect(&dialog, &QDialog::finished, this, [this] {
        probe_.cancel();
        hold_controls(false);
        reset();
    });
    dialog.installEventFilter(this);
}

bool Probe_panel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &dialog_ && event->type() == QEvent::Show && !probe_.running())
        reset();
    return QObject::eventFilter(watched, event);
}

void Probe_panel::start()
{
    if (probe_.running())
        return;
    // The program's own connection would keep its port from the search; OK opens afresh anyway.
    if (dialog_.session().port().is_open())
        dialog_.session().port().close();
    hold_controls(true);
    show_text(tr("ライターを探しています.........  しばらく御待ち下さい。"));
    probe_.start(com_targets(), tracing(dialog_.session()));
}

QString Probe_panel::outcome_text(const Probe_result &r) const
{
    switch (r.outcome) {
    case Probe_result::answered:
        return tr("応答あり　%1").arg(r.version);
    case Probe_result::silent:
        return tr("応答なし");
    case Probe_result::wrong_answer:
        return tr("ライターではない応答");
    case Probe_result::cannot_open:
        return tr("オープンできません：%1").arg(r.reason);
    case Probe_result::no_device:
        break;
    }
    return tr("デバイスがありません");
}

void Probe_panel::show_results(const std::vector<Probe_result> &results)
{
    hold_controls(false);
    QStringList lines;
    int first = -1, found = 0;
    for (const Probe_result &r : results) {
        if (r.outcome == Probe_result::no_device)
            continue;
        lines << tr("%1  %2  %3").arg(r.name, r.device, outcome_text(r));
        if (r.outcome == Probe_result::answered && found++ == 0)
            first = dialog_.Combo_com->findText(r.name);
    }
    if (first > 0)
        dialog_.Combo_com->setCurrentIndex(first);
    const QString head = found == 0   ? tr("ライターが見つかりませんでした。")
                         : found == 1 ? tr("ライターが見つかりました。OK で接続します。")
                                      : tr("ライターが複数見つかりました。最初のポートを選択しました。");
    if (lines.isEmpty())
        lines << tr("シリアルポートがありません。");
    show_text(head + QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
    // Found: Enter connects. Not found: the search can be tried again.
    (found > 0 ? static_cast<QWidget *>(dialog_.Command_ok) : button_)->setFocus();
}

void Probe_panel::hold_controls(bool hold)
{
    if (!hold) {
        for (const QPointer<QWidget> &w : held_)
            if (w)
                w->setEnabled(true);
        held_.clear();
        return;
    }
    QList<QWidget *> controls{dialog_.Combo_com};
    for (QAbstractButton *b : dialog_.findChildren<QAbstractButton *>())
        if (b != dialog_.Command_cancel)
            controls << b;
    for (QWidget *w : controls)
        if (w->isEnabled()) {
            w->setEnabled(false);
            held_.emplace_back(w);
        }
}

void Probe_panel::show_text(const QString &text)
{
    results_->setText(text);
    results_->show();
}

// The button stands beside the port list, in the port frame's layout.
void Probe_panel::place_button()
{
    auto *frame = qobject_cast<QBoxLayout *>(dialog_.Combo_com->parentWidget()->layout());
    const int at = frame->indexOf(dialog_.Combo_com);
    frame->removeWidget(dialog_.Combo_com);
    auto *row = new QHBoxLayout;
    row->addWidget(dialog_.Combo_com, 1);
    row->addWidget(button_);
    frame->insertLayout(at, row);
}

// The list takes a row of its own under the three frames, above the dialog's buttons, so
// that the settings stay in view; the dialog grows to hold it.
void Probe_panel::place_results()
{
    auto *grid = qobject_cast<QGridLayout *>(dialog_.layout());
    const int buttons_row = grid->rowCount() - 1;
    QLayoutItem *buttons = grid->itemAtPosition(buttons_row, 0);
    grid->removeItem(buttons);
    grid->addWidget(results_, buttons_row, 0, 1, grid->columnCount());
    grid->addItem(buttons, buttons_row + 1, 0, 1, grid->columnCount());
}

void Probe_panel::reset()
{
    results_->hide();
    results_->clear();
}

void add_port_probe(FrmCom &dialog) { new Probe_panel(dialog); }

} // namespace comm

#include "frm_com_probe.moc"
