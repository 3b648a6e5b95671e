#pragma once

// Everything a check run hands to the program. Every call comes on the GUI thread, from the
// event loop; the engine itself never touches a window or control.

#include "model/tree_node.h"

#include <QString>

namespace tarnlink {

// A link that does not work.
struct CheckRow {
    QString name;  // Name when the row is made
    QString link;  // Link1 as stored when the run started
    QString error; // translated status text
    QString code;  // the status as sent, empty without an answer
    int nodeIndex = -1; // the node's AbsoluteIndex when the run's walk came to it
    NodeHandle node;    // the node itself; rows of deleted nodes are never delivered
};

class CheckListener {
public:
    virtual ~CheckListener() = default;
    // The dispatcher hands a link to a worker: the status label (empty when the node is gone)
    // and the progress bar.
    virtual void linkStarted(const QString& name, int progress) = 0;
    // The dispatcher's pause after a node: the thread bar's position.
    virtual void workersRunning(int count) = 0;
    virtual void addRow(const CheckRow& row) = 0;
    // A 303 answer with "Update moved pages" on appended a blank and the new address to the
    // node's Description, and the tree's NodeChanged went out; the node's row comes next. The
    // node is alive during the call. The engine does not mark the document modified: the program
    // does that here, and refreshes whatever shows this node's description.
    virtual void descriptionChanged(const NodeHandle& node) = 0;
    // A worker ended: the thread bar's position and hint. At 0, the result buttons are enabled
    // when the list holds rows.
    virtual void workerEnded(int count) = 0;
    // The run's dispatcher ended; workers may still be running and adding rows.
    virtual void runEnded() = 0;
};

} // namespace tarnlink
