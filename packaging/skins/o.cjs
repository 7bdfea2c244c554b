/* Rollvane skin: a Qt style sheet in UTF-8. Copy it to x/o.cjs beside the program
   (/usr/lib/rollvane/x/o.cjs) to dress the windows; delete it for the plain look. */

QWidget#Form1, QWidget#Form2, QWidget#Form3 {
    background-color: #e7eef4;
}

QGroupBox {
    background-color: #f7fafc;
    border: 1px solid #9fb6c8;
    border-radius: 6px;
    margin-top: 14px;
    padding-top: 4px;
}

QGroupBox::title {
    subcontrol-origin: margin;
    left: 8px;
    padding: 0 4px;
    color: #1b5a86;
}

QPushButton {
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #3b8fc7, stop: 1 #1f6496);
    color: white;
    border: 1px solid #174c72;
    border-radius: 4px;
    padding: 3px 10px;
}

QPushButton:hover {
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #4fa0d6, stop: 1 #2873a8);
}

QPushButton:pressed {
    background-color: #174c72;
}

QPushButton:disabled {
    background-color: #a9bccb;
    border-color: #8ea3b3;
}
