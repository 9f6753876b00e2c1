# The two commands of the README, and the steps they share.
PREFIX ?= $(HOME)/Quillmere
BUILD  ?= build
JOBS   ?= $(shell nproc)

.PHONY: run test build configure setup

setup:
	@scripts/setup

configure: setup
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The library lives in $(PREFIX): the executable is replaced, the database made only when
# there is none, and the txt tree is never touched.
run: build
	@mkdir -p "$(PREFIX)"
	@install -m 755 $(BUILD)/quillmere/quillmere "$(PREFIX)/quillmere.new"
	@mv -f "$(PREFIX)/quillmere.new" "$(PREFIX)/quillmere"
	@$(BUILD)/tools/mkdb/qm-mkdb "$(PREFIX)/lanmore.mdb" assets/database/lanmore.sql
	cd "$(PREFIX)" && ./quillmere
