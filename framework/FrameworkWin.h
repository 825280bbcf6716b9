// Framework layer: application, windows, commands, dialogs, controls, drawing, document/view.
#pragma once
