#pragma once
// Tab follows the layout: it visits a container's controls group by group and, within a group,
// row by row from left to right, as they are read. The groups are the blocks a layout builds one
// after the other (a table, a column of fields, a row of buttons); they are visited in the
// reading order of their first controls, whatever order they were built in.

#include <QList>
#include <QSet>

class QWidget;

class TabGroups {
public:
    explicit TabGroups(QWidget* container);

    // The controls made in the container since the last call form one group. A control taken
    // into a group must stay until Apply.
    void EndGroup();
    // Sets the tab order of the container's controls; those made since the last EndGroup form a
    // last group. Controls hidden on purpose (in-place editors) and controls Tab does not stop
    // at keep their places.
    void Apply();

private:
    QWidget* container_;
    QSet<const QWidget*> grouped_; // the container's children already taken into a group
    QList<QList<QWidget*>> groups_;
};
