# First start with a current settings file of the user's own: its global data and its classes are
# shown (an absent class key leaves no gap), the first class's first row gives the pipe; closing without
# an entry in the global fields leaves the file as it was.
start
show 1005 1003 1013 1006 1009 1008 1004 1010 1012 1011 1024 1053 1014
record
close
