#include "reports/window/FrozenColumn.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>

FrozenColumn::FrozenColumn(QTableView* table)
    : QObject(table)
    , m_table(table)
    , m_frozen(new QTableView(table))
{
    m_frozen->setObjectName(table->objectName() + QStringLiteral("Frozen"));
    m_frozen->setModel(table->model());
    m_frozen->setSelectionModel(table->selectionModel());
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->setSelectionBehavior(table->selectionBehavior());
    m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_frozen->setAlternatingRowColors(table->alternatingRowColors());
    m_frozen->setWordWrap(false);
    m_frozen->verticalHeader()->hide();
    m_frozen->verticalHeader()->setDefaultSectionSize(table->verticalHeader()->defaultSectionSize());
    m_frozen->horizontalHeader()->setDefaultAlignment(table->horizontalHeader()->defaultAlignment());
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollMode(table->verticalScrollMode());
    m_frozen->setFrameShape(QFrame::NoFrame);
    table->viewport()->stackUnder(m_frozen);
    // By pixels, so that a cell can be scrolled just clear of the frozen column.
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { keepClear(current); });

    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, table->verticalScrollBar(),
        &QAbstractSlider::setValue);
    connect(table->verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
        &QAbstractSlider::setValue);
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section == 0) {
            m_frozen->setColumnWidth(0, size);
            place();
        }
    });
    connect(
        table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this](int section, Qt::SortOrder order) {
            m_frozen->horizontalHeader()->setSortIndicatorShown(section == 0);
            m_frozen->horizontalHeader()->setSortIndicator(section == 0 ? 0 : -1, order);
        });
    // The frozen header stands over the table's own first section: a click there sorts the table.
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (!m_table->isSortingEnabled())
            return;
        const QHeaderView* header = m_table->horizontalHeader();
        const Qt::SortOrder order
            = header->sortIndicatorSection() == section && header->sortIndicatorOrder() == Qt::AscendingOrder
            ? Qt::DescendingOrder
            : Qt::AscendingOrder;
        m_table->sortByColumn(section, order);
    });
    connect(table->model(), &QAbstractItemModel::modelReset, this, [this] { showFirstColumnOnly(); });
    connect(table->model(), &QAbstractItemModel::columnsInserted, this, [this] { showFirstColumnOnly(); });
    // The table's parts settle their sizes one after another; each change places the column again.
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);
    table->horizontalHeader()->installEventFilter(this);
    showFirstColumnOnly();
}

void FrozenColumn::showFirstColumnOnly()
{
    const int columns = m_table->model()->columnCount();
    for (int column = 0; column < columns; ++column)
        m_frozen->setColumnHidden(column, column != 0);
    m_frozen->setColumnWidth(0, m_table->columnWidth(0));
    m_frozen->setVisible(columns > 1);
    place();
}

void FrozenColumn::place()
{
    // Over the table's first column, from the top of its header to the bottom of its rows.
    m_frozen->setGeometry(m_table->verticalHeader()->width() + m_table->frameWidth(), m_table->frameWidth(),
        m_table->columnWidth(0), m_table->viewport()->height() + m_table->horizontalHeader()->height());
    m_frozen->horizontalHeader()->setFixedHeight(m_table->horizontalHeader()->height());
}

void FrozenColumn::keepClear(const QModelIndex& current)
{
    if (!current.isValid() || current.column() == 0 || !m_frozen->isVisible())
        return;
    const int hidden = m_table->columnWidth(0) - m_table->visualRect(current).left();
    if (hidden > 0)
        m_table->horizontalScrollBar()->setValue(m_table->horizontalScrollBar()->value() - hidden);
}

bool FrozenColumn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        place();
    return QObject::eventFilter(watched, event);
}
