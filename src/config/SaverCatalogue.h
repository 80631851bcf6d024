// The screen savers the settings sheet knows of are the items of the
// Collections page's Available and Selected lists. The Folders page adds a
// folder's screen savers to them and takes them out again.
#pragma once
#include "collections/FileFinder.h"
#include "framework/Controls.h"

// Offers the names the finder found in the Available list, except those
// that either list already shows (in any letter case) and those a
// collection cannot hold (the program's own files among them).
void AddToCatalogue(const CFileFinder& finder, const CListBox& available, const CListBox& selected);

// Takes each name the finder found out of both lists, whether or not
// another folder also has it.
void RemoveFromCatalogue(const CFileFinder& finder, const CListBox& available, const CListBox& selected);
