#pragma once

// Shows the connect window modally: it opens the database, loads the folder tree and asks the
// login password when one is set. True when a database is open afterwards; false when the user
// gave up (the main window has then been closed, which ends the program).
bool VeritabanınaBağlan();
