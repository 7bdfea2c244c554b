#pragma once

#include "roster/StudentEditor.h"

#include <QApplication>
#include <QTimer>

#include <functional>

// Drives the student editor once it is shown modally: the action runs inside the editor's own
// event loop, and an editor the action left open is cancelled so that a failing check never
// leaves the test waiting on it. `done` turns true once the action has run.
inline void whenEditorOpens(const std::function<void(StudentEditor*)>& action, bool& done)
{
    done = false;
    QTimer::singleShot(0, [action, &done] {
        auto* editor = qobject_cast<StudentEditor*>(QApplication::activeModalWidget());
        if (editor) {
            action(editor);
            if (editor->isVisible())
                editor->reject();
        }
        done = true;
    });
}
