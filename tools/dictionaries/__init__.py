"""The generator of the shipped dictionaries: a module per source (EDICT,
libkkc's word frequencies, ...) and per concern (choosing, English forms,
writing the files). tools/make_dictionaries.py runs it."""
