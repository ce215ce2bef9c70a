#pragma once

class AppContext;
class Catalogue;
class frmMain;

// Connects the main window's commands to the windows of the other parts of the program.
void wireMainWindow(AppContext &ctx, Catalogue &catalogue, frmMain &mainWindow);
