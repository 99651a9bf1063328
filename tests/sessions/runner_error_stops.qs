# A script error stops the session: the transcript up to the faulty line is kept, nothing follows.
start
command open
click 4711
command open
