// Moving screen-saver names between the Available and the Selected list.
// The Available list sorts what is added to it; the Selected list keeps
// its order and appends.
#pragma once
#include "framework/Controls.h"

// Every item of from, top first, into to.
void MoveAll(const CListBox& from, const CListBox& to);

// Every highlighted item of from into to: directly after to's current item
// when it has one (so several land after it in reverse order), else added.
// A single moved item becomes to's current item. Returns how many moved.
int MoveSelected(const CListBox& from, const CListBox& to);

// Moves the item at index to the index target and makes it current.
void MoveItem(const CListBox& list, int index, int target);
